#include "login/utils.h"

#include <gtest/gtest.h>

namespace {

struct UrlCase {
    QString address;
    QString expected;
};

class UrlEncodeCases : public ::testing::TestWithParam<UrlCase> {};

TEST_P(UrlEncodeCases, EncodesEachPartAndKeepsSeparators)
{
    EXPECT_EQ(UrlEncode(GetParam().address).toStdString(), GetParam().expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, UrlEncodeCases,
    ::testing::Values(
        UrlCase{"https://www.velkora.com.tr/dervano.html?carino=12&sube=MERKEZ&firmasi=ŞAHİN OTO&bakiye=1.250,50",
                "https://www.velkora.com.tr/dervano.html?carino=12&sube=MERKEZ&firmasi=%C5%9EAH%C4%B0N%20OTO&bakiye=1.250,50"},
        UrlCase{"http://h/resim klasörü/çiçek.jpg", "http://h/resim%20klas%C3%B6r%C3%BC/%C3%A7i%C3%A7ek.jpg"},
        UrlCase{"http://h:9090/a/b.aspx?x=1&y=2#bolum", "http://h:9090/a/b.aspx?x=1&y=2#bolum"},
        UrlCase{"http://h/formmailgonder.aspx?carino=0&kullanici= &id=AB 12",
                "http://h/formmailgonder.aspx?carino=0&kullanici=%20&id=AB%2012"},
        UrlCase{"http://h/a%20b?oran=%5 indirim", "http://h/a%20b?oran=%255%20indirim"},
        UrlCase{"", ""}),
    [](const auto& info) { return std::to_string(info.index); });

} // namespace
