#include "app/tform1.h"
#include "catalogue/stocklisttab.h"

#include "sales/seccariu.h"
#include "server/baglantiu.h"

#include <QLineEdit>
#include <QTabWidget>

void TForm1::musteritusClick()
{
    ChangeCustomer();
}

// The salesperson works for another customer from now on. The window writes
// only the customer's number, code and name into the login record; whatever
// way it was closed, the header follows the record and the stock list is
// where the work goes on.
void TForm1::ChangeCustomer()
{
    {
        Tseccari window(*bagc, *sbilgi, this);
        window.SepetSayisiYaz();
        window.TusSonuclari();
        window.exec();
    }
    AnaBilgiAl();
    stockListTab->CustomerChanged();
}
