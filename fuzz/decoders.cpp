#include "decoders.h"

#include "platform/dsclient/servercallerror.h"
#include "platform/dsclient/servercallresult.h"
#include "platform/dsclient/tablecodec.h"
#include "server/baglantiu.h"
#include "server/methodanswer.h"
#include "server/methodcatalogue.h"
#include "server/mobilstokunit.h"

#include <QJsonDocument>

#include <string>

void FuzzTableDecoder(const uint8_t* data, size_t size)
{
    try {
        const DataTable table = dsclient::decodeTable(std::string_view(reinterpret_cast<const char*>(data), size));
        // Whatever decodes must encode again.
        (void)dsclient::encodeTable(table);
    } catch (const dsclient::TableFormatError&) {
    }
}

// An answer body as the connection receives it, read as the answer of a few
// methods of different result kinds.
void FuzzCallAnswer(const uint8_t* data, size_t size)
{
    static const char* const kMethods[] = {"StokAraGetir", "BuyukGetir", "ResimVer5", "AcilisReklamAdet",
                                           "SepetSecimGuncelle", "AcilisEkranlarVer2"};
    const catalogue::Method* method = catalogue::FindMethod(kMethods[size % std::size(kMethods)]);
    try {
        std::string body(reinterpret_cast<const char*>(data), size);
        const MethodAnswer answer(*method, dsclient::ServerCallResult(std::move(body), size));
        for (int i = 0; i < answer.count(); ++i)
            (void)answer.json(i);
    } catch (const dsclient::ServerCallError&) {
    }
}

void FuzzRecordDecoder(const uint8_t* data, size_t size)
{
    const QJsonValue json = QJsonDocument::fromJson(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)))
                                .object();
    try {
        (void)TSonucBilgisi::fromNullableJson(json);
    } catch (const RecordFormatError&) {
    }
    try {
        (void)TAcilisEkranlariki::fromNullableJson(json);
    } catch (const RecordFormatError&) {
    }
}
