#include "login/utils.h"
#include "server/deployment.h"

#include <gtest/gtest.h>

#include <optional>

using machineidentity::DiskSerialError;

namespace {

// Fixed identity values; an unset optional makes that source raise.
struct FixedSources : machineidentity::IdentitySources {
    std::optional<QString> serial, mac, computer, user, ip;

    static QString valueOrThrow(const std::optional<QString>& v)
    {
        if (!v)
            throw DiskSerialError("unreadable");
        return *v;
    }
    QString diskSerial() const override { return valueOrThrow(serial); }
    QString macAddress() const override { return valueOrThrow(mac); }
    QString computerName() const override { return valueOrThrow(computer); }
    QString userName() const override { return valueOrThrow(user); }
    QString localIpAddress() const override { return valueOrThrow(ip); }
};

class WithSources : public ::testing::Test {
protected:
    void install(const FixedSources& s) { machineidentity::SetSources(std::make_shared<FixedSources>(s)); }
    void TearDown() override
    {
        machineidentity::SetSources(nullptr);
        Deployment() = DeploymentValues();
    }
};

struct MachineIdCase {
    const char* title;
    std::optional<QString> serial;
    std::optional<QString> mac;
    QString expected;
};

class MachineId : public WithSources, public ::testing::WithParamInterface<MachineIdCase> {};

TEST_P(MachineId, ComesFromDiskSerialOrAdapterAddress)
{
    Deployment().knownDiskSerials = {"QM00001", "VB1234-5678"};
    Deployment().knownSerialMachineId = "ORTAK-KIMLIK";
    FixedSources s;
    s.serial = GetParam().serial;
    s.mac = GetParam().mac;
    install(s);
    EXPECT_EQ(GetMachineId(), GetParam().expected) << GetParam().title;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MachineId,
    ::testing::Values(
        MachineIdCase{"padded serial loses every blank", "  WD-WCC4 N12 34  ", "52-54-00-12-34-56", "WD-WCC4N1234"},
        MachineIdCase{"unreadable serial gives the adapter address", std::nullopt, "52-54-00-12-34-56", "52-54-00-12-34-56"},
        MachineIdCase{"blank serial gives the trimmed adapter address", "   ", " AA-BB-CC-DD-EE-FF ", "AA-BB-CC-DD-EE-FF"},
        MachineIdCase{"both empty", "", "", ""},
        MachineIdCase{"both sources raise", std::nullopt, std::nullopt, ""},
        MachineIdCase{"listed serial maps to the fixed identifier", "QM 00001", "52-54-00-12-34-56", "ORTAK-KIMLIK"},
        MachineIdCase{"a serial only containing a listed one stays", "QM000012", "", "QM000012"}),
    [](const auto& info) { return std::to_string(info.index); });

TEST_F(WithSources, NamesAreCutAndFailuresGiveEmpty)
{
    FixedSources s;
    s.computer = "MUHASEBEBILGISAYARI";
    s.user = "ayşe";
    s.ip = "192.168.1.20";
    install(s);
    EXPECT_EQ(GetComputerNameText(), "MUHASEBEBILGISA");
    EXPECT_EQ(GetWindowsUserName(), "ayşe");
    EXPECT_EQ(GetLocalIpAddress(), "192.168.1.20");

    install(FixedSources{});
    EXPECT_EQ(GetComputerNameText(), "");
    EXPECT_EQ(GetWindowsUserName(), "");
    EXPECT_EQ(GetMacAddress(), "");
    EXPECT_EQ(GetLocalIpAddress(), "127.0.0.1");
    EXPECT_THROW(GetDiskSerial(), DiskSerialError);
}

} // namespace
