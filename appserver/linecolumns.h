#pragma once

#include <QString>

// The column list shared by basket lines, order lines, balances and the
// all-orders window. Each takes a source with the columns SIRANO, IDNO,
// CARINO, STOKNO, BARKOD, STOKADI, MIKTAR, KDV, FIYAT, ILKFIYAT, IND1..IND4,
// TESLIMEDILEN, KALAN, TARIH, SAAT, TESLIMID, KARGOID, ACIKLAMA, VERENID and
// SEC, named `l`, joined to stok `s` and cari `c`.
namespace appserver {

// "SELECT <line columns> FROM (<source>) l JOIN stok s ... JOIN cari c ..."
QString LineSelect(const QString& source);

} // namespace appserver
