#include "platform/os/identitysources.h"

#include "fakefiles.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

using machineidentity::DiskSerialError;
using machineidentity::SystemIdentitySources;

namespace {

struct FakeAdapter {
    QString name;
    std::optional<QByteArray> address;  // no address file when empty
};

struct AdapterCase {
    const char* title;
    std::vector<FakeAdapter> adapters;
    QString expected;
};

class AdapterSelection : public ::testing::TestWithParam<AdapterCase> {};

TEST_P(AdapterSelection, FollowsTheAllZeroRule)
{
    QTemporaryDir root;
    MakeFakeFolder(root.path(), "sys/class/net");
    for (const FakeAdapter& a : GetParam().adapters) {
        MakeFakeFolder(root.path(), "sys/class/net/" + a.name);
        if (a.address)
            WriteFakeFile(root.path(), "sys/class/net/" + a.name + "/address", *a.address);
    }
    EXPECT_EQ(SystemIdentitySources(root.path()).macAddress(), GetParam().expected);
}

const QByteArray zero = "00:00:00:00:00:00\n";

INSTANTIATE_TEST_SUITE_P(
    Adapters, AdapterSelection,
    ::testing::Values(
        AdapterCase{"first in name order wins, loopback skipped",
                    {{"lo", zero}, {"wlan0", "11:22:33:44:55:66\n"}, {"enp3s0", "aa:bb:cc:dd:ee:0f\n"}},
                    "AA-BB-CC-DD-EE-0F"},
        AdapterCase{"all-zero first moves on", {{"eth0", zero}, {"eth1", "02:42:ac:11:00:02\n"}}, "02-42-AC-11-00-02"},
        AdapterCase{"failing first ends empty", {{"eth0", std::nullopt}, {"eth1", "02:42:ac:11:00:02\n"}}, ""},
        AdapterCase{"address too short ends empty", {{"tun0", "\n"}, {"wlan0", "02:42:ac:11:00:02\n"}}, ""},
        AdapterCase{"failing after all-zero goes on",
                    {{"eth0", zero}, {"eth1", std::nullopt}, {"eth2", "de:ad:be:ef:00:01\n"}},
                    "DE-AD-BE-EF-00-01"},
        AdapterCase{"only all-zero adapters", {{"eth0", zero}, {"eth1", zero}}, "00-00-00-00-00-00"},
        AdapterCase{"loopback only", {{"lo", zero}}, ""},
        AdapterCase{"long hardware address keeps its first six bytes",
                    {{"ib0", "80:00:02:08:fe:80:00:00:00:00:00:00:00:02:c9:03:00:0a:1b:2c\n"}},
                    "80-00-02-08-FE-80"}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(AdapterSelection, MissingNetFolderGivesEmpty)
{
    QTemporaryDir root;
    EXPECT_EQ(SystemIdentitySources(root.path()).macAddress(), "");
}

class DiskSerial : public ::testing::Test {
protected:
    void addDisk(const QString& name, const QByteArray& majorMinor = {})
    {
        MakeFakeFolder(root.path(), "sys/block/" + name + "/device");
        if (!majorMinor.isEmpty())
            WriteFakeFile(root.path(), "sys/block/" + name + "/dev", majorMinor + "\n");
    }
    void write(const QString& path, const QByteArray& content) { WriteFakeFile(root.path(), path, content); }
    QString serial() const { return SystemIdentitySources(root.path()).diskSerial(); }

    QTemporaryDir root;
};

TEST_F(DiskSerial, SysfsSerialOfFirstPhysicalDiskUpperCaseUntrimmed)
{
    MakeFakeFolder(root.path(), "sys/block/dm-0");
    MakeFakeFolder(root.path(), "sys/block/loop0");
    addDisk("sr0");
    write("sys/block/sr0/device/serial", "CDROM1\n");
    addDisk("sdb");
    write("sys/block/sdb/device/serial", "SECOND\n");
    addDisk("sda");
    write("sys/block/sda/device/serial", "  wd-wcc4 n1234567  \n");
    EXPECT_EQ(serial(), "  WD-WCC4 N1234567  ");
}

TEST_F(DiskSerial, UdevShortSerialThenFullSerialThenWorldWideName)
{
    addDisk("vda", "252:0");
    write("sys/block/vda/device/wwid", "naa.5000c500a1b2c3d4\n");
    write("run/udev/data/b252:0", "S:disk/by-id/x\nE:ID_SERIAL=Samsung_SSD_s21nx0ab\nE:ID_SERIAL_SHORT=s21nx0ab\n");
    EXPECT_EQ(serial(), "S21NX0AB");

    write("run/udev/data/b252:0", "E:ID_SERIAL=qemu_harddisk_qm00001\n");
    EXPECT_EQ(serial(), "QEMU_HARDDISK_QM00001");

    write("run/udev/data/b252:0", "E:ID_MODEL=x\n");
    EXPECT_EQ(serial(), "NAA.5000C500A1B2C3D4");
}

TEST_F(DiskSerial, FirstDiskInNameOrderDecidesEvenWithoutSerial)
{
    addDisk("nvme0n1");
    addDisk("sda");
    write("sys/block/sda/device/serial", "SATA1\n");
    EXPECT_EQ(serial(), "");
}

TEST_F(DiskSerial, NoPhysicalDiskIsAnError)
{
    EXPECT_THROW(serial(), DiskSerialError);
    MakeFakeFolder(root.path(), "sys/block/loop0");
    addDisk("zram0");
    EXPECT_THROW(serial(), DiskSerialError);
}

} // namespace

namespace {

// The real sources of this machine answer in their text forms and never crash;
// the disk serial may only fail with its own error.
TEST(SystemSources, AnswerInTheirTextForms)
{
    const SystemIdentitySources sources;
    const QString mac = sources.macAddress();
    EXPECT_TRUE(mac.isEmpty() || QRegularExpression("^([0-9A-F]{2}-){5}[0-9A-F]{2}$").match(mac).hasMatch())
        << mac.toStdString();
    EXPECT_TRUE(QRegularExpression("^\\d{1,3}(\\.\\d{1,3}){3}$").match(sources.localIpAddress()).hasMatch());
    EXPECT_FALSE(sources.computerName().contains('.'));
    try {
        const QString serial = sources.diskSerial();
        EXPECT_EQ(serial, serial.toUpper());
    } catch (const DiskSerialError&) {
    }
}

} // namespace
