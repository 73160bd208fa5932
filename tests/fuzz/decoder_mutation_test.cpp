// A bounded, deterministic stand-in for the fuzzers: valid samples of what the
// server sends, cut and mutated byte by byte, must all end in a value or a
// clean exception of the decoder.
#include "decoders.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kSamples = {
    R"({"table":[["STOKNO",6,0,0,0,4,0,0,true,false,0,false,false],["ADI",26,1,0,0,40,0,0,true,false,0,false,false],)"
    R"(["FIYAT",7,2,0,0,8,0,0,true,false,0,false,false],["TARIH",11,3,0,0,8,0,0,true,false,0,false,false]],)"
    R"("STOKNO":[1,2,null],"ADI":["FREN ÖN","\u0130\"x",null],"FIYAT":[1.5,-2e3,null],)"
    R"("TARIH":["2026-12-11T14:05:00.000",null,"0001-01-01T00:00:00.000"]})",
    R"({"result":[{"table":[["A",6,0,0,0,4,0,0,true,false,0,false,false]],"A":[1]}]})",
    R"({"result":[{"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":5,"FVarmi":true,"FADI":"X"}}]})",
    R"({"result":[3,"QUJD"]})",
    R"({"error":"Sunucu hatası"})",
    R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":{"FEkranlar":[{"type":"mobilstokunit.TAcilisEkran","id":2,"fields":{"FSiraNo":1,"FResim":"FFD8"}}]}})",
};

void feedAll(const std::string& bytes)
{
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    FuzzTableDecoder(data, bytes.size());
    FuzzCallAnswer(data, bytes.size());
    FuzzRecordDecoder(data, bytes.size());
}

} // namespace

TEST(DecoderMutation, CutSamplesNeverCrash)
{
    for (const std::string& sample : kSamples)
        for (size_t length = 0; length <= sample.size(); ++length)
            feedAll(sample.substr(0, length));
}

TEST(DecoderMutation, MutatedSamplesNeverCrash)
{
    std::mt19937 random(20261211);
    const std::string interesting = "{}[]\",:0-9eE.\\untrue\xff\xc3";
    for (const std::string& sample : kSamples) {
        for (int round = 0; round < 3000; ++round) {
            std::string bytes = sample;
            const int edits = 1 + int(random() % 4);
            for (int e = 0; e < edits && !bytes.empty(); ++e) {
                const size_t at = random() % bytes.size();
                switch (random() % 3) {
                case 0: bytes[at] = interesting[random() % interesting.size()]; break;
                case 1: bytes.erase(at, 1 + random() % 8); break;
                default: bytes.insert(at, 1, interesting[random() % interesting.size()]); break;
                }
            }
            feedAll(bytes);
        }
    }
}
