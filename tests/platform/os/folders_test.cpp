#include "platform/os/folders.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Puts an environment variable back as it was, set or not.
struct RestoredVariable {
    explicit RestoredVariable(const char* n) : name(n), wasSet(qEnvironmentVariableIsSet(n)), value(qgetenv(n)) {}
    ~RestoredVariable() { wasSet ? qputenv(name, value) : qunsetenv(name); }
    const char* name;
    bool wasSet;
    QByteArray value;
};

class Folders : public ::testing::Test {
protected:
    void TearDown() override { folders::SetBaseFolder({}); }
    QTemporaryDir base;
};

TEST_F(Folders, ProductFoldersAreCreatedBelowTheTestBase)
{
    folders::SetBaseFolder(base.path() + "/");
    const QString appData = folders::AppDataFolder();
    const QString localData = folders::LocalDataFolder();
    const QString documents = folders::DocumentsFolder();

    EXPECT_EQ(appData, base.path() + "/config/velkora");
    EXPECT_EQ(localData, base.path() + "/data/velkora");
    EXPECT_EQ(documents, base.path() + "/Documents");
    for (const QString& folder : {appData, localData, documents})
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
}

TEST_F(Folders, XdgVariablesChooseTheRealBaseFolders)
{
    const RestoredVariable config("XDG_CONFIG_HOME"), data("XDG_DATA_HOME");
    qputenv("XDG_CONFIG_HOME", (base.path() + "/cfg/").toUtf8());
    qputenv("XDG_DATA_HOME", (base.path() + "/share").toUtf8());

    EXPECT_EQ(folders::AppDataFolder(), base.path() + "/cfg/velkora");
    EXPECT_TRUE(QFileInfo(base.path() + "/cfg/velkora").isDir());
    EXPECT_EQ(folders::LocalDataFolder(), base.path() + "/share/velkora");

    // A relative value is not a base folder: the home folder's default applies.
    qputenv("XDG_CONFIG_HOME", "relative/cfg");
    EXPECT_EQ(folders::platform::RoamingConfigBase(), QDir::homePath() + "/.config");
}

} // namespace
