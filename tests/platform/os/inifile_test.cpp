#include "platform/os/inifile.h"

#include "fakefiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString section = QStringLiteral("kullanici");

class Ini : public ::testing::Test {
protected:
    QString path() const { return dir.path() + "/ayar.ini"; }
    QByteArray bytes() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    int fileMode() const
    {
        struct stat st {};
        return ::stat(QFile::encodeName(path()).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
    }
    QTemporaryDir dir;
};

TEST_F(Ini, MissingFileOrKeyGivesDefaults)
{
    IniFile ini(path());
    EXPECT_FALSE(ini.exists());
    EXPECT_EQ(ini.readString(section, "isim", "yok"), "yok");
    EXPECT_TRUE(ini.readBool(section, "hatırla", true));

    WriteFakeFile(dir.path(), "ayar.ini", "[kullanici]\nisim=ALI\nhatırla=evet\n");
    IniFile written(path());
    EXPECT_TRUE(written.exists());
    EXPECT_EQ(written.readString(section, "sifre", ""), "");
    EXPECT_EQ(written.readString("baska", "isim", "d"), "d");
    EXPECT_FALSE(written.readBool(section, "hatırla", false)) << "an unreadable boolean keeps the default";
}

TEST_F(Ini, ValuesRoundTripExactly)
{
    const QStringList values = {"ŞİFRE=1;2", "  BAŞTA BOŞLUK", "SONDA ", "\"TIRNAKLI\"", "", "a=b=c", ";YORUM"};
    IniFile ini(path());
    for (int i = 0; i < values.size(); ++i)
        ASSERT_TRUE(ini.writeString(section, QString("k%1").arg(i), values[i]));
    ASSERT_TRUE(ini.writeBool(section, "hatırla", false));
    ASSERT_TRUE(ini.save());

    IniFile back(path());
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(back.readString(section, QString("k%1").arg(i), "x"), values[i]) << i;
    EXPECT_FALSE(back.readBool("KULLANICI", "Hatırla", true)) << "keys match without regard to case";
}

TEST_F(Ini, WritesPlainUtf8TextReadableByOwnerOnly)
{
    IniFile ini(path());
    ini.writeString(section, "isim", "ÇAĞRI");
    ini.writeString(section, "sifre", "A=B;C");
    ini.writeBool(section, "hatırla", true);
    ASSERT_TRUE(ini.save());

    EXPECT_EQ(bytes(), QString("[kullanici]\nisim=ÇAĞRI\nsifre=A=B;C\nhatırla=1\n").toUtf8());
    EXPECT_EQ(fileMode(), 0600);
}

TEST_F(Ini, RewriteKeepsOtherLinesAndTightensAnOpenFile)
{
    WriteFakeFile(dir.path(), "ayar.ini",
                  "\xEF\xBB\xBF; elle yazildi\r\n[Kullanici]\r\n isim = ESKI \r\nsifre=\r\n\r\n[pencere]\r\nx=5\r\n");
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther);

    IniFile ini(path());
    EXPECT_EQ(ini.readString(section, "isim"), "ESKI") << "blanks around an unquoted value are not part of it";
    ini.writeString(section, "sifre", "YENI");
    ini.writeBool(section, "hatırla", false);
    ini.writeString("yeni", "a", "1");
    ASSERT_TRUE(ini.save());

    EXPECT_EQ(bytes(), QByteArray("; elle yazildi\n[Kullanici]\n isim = ESKI \nsifre=YENI\nhatırla=0\n\n"
                                  "[pencere]\nx=5\n\n[yeni]\na=1\n"));
    EXPECT_EQ(fileMode(), 0600);
}

TEST_F(Ini, TextThatWouldBreakTheFileIsRefused)
{
    IniFile ini(path());
    EXPECT_FALSE(ini.writeString(section, "sifre", "A\nisim=HACK"));
    EXPECT_FALSE(ini.writeString(section, "a=b", "1"));
    EXPECT_FALSE(ini.writeString("kul]lanici", "isim", "1"));
    EXPECT_FALSE(ini.writeString(section, "", "1"));
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(bytes(), QByteArray());
}

TEST_F(Ini, FailedSaveReportsAndKeepsTheOldFile)
{
    IniFile ini(dir.path() + "/yok/ayar.ini");
    ini.writeString(section, "isim", "A");
    QString error;
    EXPECT_FALSE(ini.save(&error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(Ini, UnreadableFileIsNotReplaced)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the owner-only mode does not stop the superuser";
    WriteFakeFile(dir.path(), "ayar.ini", "[kullanici]\nisim=ALI\n");
    QFile::setPermissions(path(), QFileDevice::WriteOwner);
    IniFile ini(path());
    ini.writeString(section, "sifre", "X");
    EXPECT_FALSE(ini.save());
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(bytes(), QByteArray("[kullanici]\nisim=ALI\n"));
}

} // namespace
