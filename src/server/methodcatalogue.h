#pragma once

#include "platform/dsclient/valuekind.h"

#include <QString>

#include <span>

// The catalogue of the application server's methods (class TServerMethods1):
// one row per method with its parameters in order and its result. The client's
// proxy, the support tool and the reference server all read this one table.
namespace catalogue {

using Kind = dsclient::ValueKind;

enum class Direction { In, Out };

struct Parameter {
    const char* name;
    Kind kind;
    Direction direction = Direction::In;
    const char* recordType = nullptr;  // "baglantiu.TSonucBilgisi" for Kind::Record
};

struct Method {
    const char* name;
    std::span<const Parameter> parameters;
    Kind result;
    const char* resultRecordType = nullptr;

    int inputCount() const;
    int outputCount() const;
};

// Every method of the catalogue, in name order.
std::span<const Method> Methods();

// The row of one method, or nullptr for a name the catalogue does not know.
const Method* FindMethod(const QString& name);

// Record type names as they appear in "type" of the JSON object form.
inline constexpr const char* kLoginRecord = "baglantiu.TSonucBilgisi";
inline constexpr const char* kOrderFooterRecord = "baglantiu.TSiparisDipAyrinti";
inline constexpr const char* kStateCountersRecord = "baglantiu.TTusSonuclari";
inline constexpr const char* kCustomerRecord = "mobilstokunit.TMobilCariBilgisi";
inline constexpr const char* kOpeningScreenRecord = "mobilstokunit.TAcilisEkran";
inline constexpr const char* kOpeningScreensRecord = "mobilstokunit.TAcilisEkranlariki";

} // namespace catalogue
