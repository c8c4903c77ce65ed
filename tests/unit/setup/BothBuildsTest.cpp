#include "SetupTestSupport.h"
#include "SetupTexts.h"

// Both builds on one 64-bit system: each has its own keys in its own view of the machine's
// registry, while the player's data beneath the user's key are shared.
class BothBuildsTest : public SetupTest {
protected:
    void SetUp() override {
        Install();
        m_sys.m_registry.PutValue(RegRoot::CurrentUser, "Software\\Halvane\\Quenlow\\1.0", "game",
                                  kRegSz, "state");
        ForgetHistory();
    }
    void InstallOtherBuild() {
        m_sys.m_registry.PutValue(RegRoot::OtherLocalMachine, kProductKey, "DestinationPath",
                                  kRegSz, "C:\\Program Files (x86)\\Halvane\\Quenlow");
    }
    bool HasPlayersData() const {
        return m_sys.m_registry.HasKey(RegRoot::CurrentUser, "Software\\Halvane\\Quenlow\\1.0");
    }
};

TEST_F(BothBuildsTest, ThePlayersDataGoWithTheLastBuildOnly) {
    InstallOtherBuild();
    Remove();
    EXPECT_EQ(m_sys.MessageTexts(), std::vector<std::string>{kRemoveSucceeded});
    EXPECT_FALSE(m_sys.m_registry.HasKey(RegRoot::LocalMachine, kUninstallEntry));
    EXPECT_TRUE(HasPlayersData());
}

TEST_F(BothBuildsTest, WithoutTheOtherBuildThePlayersDataGo) {
    // Another product of the maker in the other view is not this product.
    m_sys.m_registry.AddKey(RegRoot::OtherLocalMachine, "Software\\Halvane\\Other\\UserInfo");
    Remove();
    EXPECT_FALSE(HasPlayersData());
}
