#include "platform/system/SingleInstance.h"

#include "platform/system/ChildProcess.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using platform::SingleInstance;

namespace {

// Points the lock folder at a temporary folder, so that the tests never meet a running program.
class SingleInstanceTest : public testing::Test {
protected:
    void SetUp() override
    {
        const char* saved = std::getenv("XDG_RUNTIME_DIR");
        hadRuntimeDir_ = saved != nullptr;
        savedRuntimeDir_ = saved ? saved : "";
        ::setenv("XDG_RUNTIME_DIR", folder_.path().c_str(), 1);
    }
    void TearDown() override
    {
        if (hadRuntimeDir_)
            ::setenv("XDG_RUNTIME_DIR", savedRuntimeDir_.c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
    }

    // Whether a separate process would find itself the first instance of name.
    static bool FirstInOtherProcess(const std::string& name)
    {
        const pid_t pid = ::fork();
        if (pid == 0) {
            const SingleInstance other(name);
            ::_exit(other.isFirst() ? 1 : 0);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 1;
    }

    TempFolder folder_;

private:
    bool hadRuntimeDir_ = false;
    std::string savedRuntimeDir_;
};

TEST_F(SingleInstanceTest, SecondInstanceFindsTheLockHeld)
{
    {
        const SingleInstance first("Varnik V3");
        EXPECT_TRUE(first.isFirst());
        EXPECT_FALSE(SingleInstance("Varnik V3").isFirst());
        EXPECT_FALSE(SingleInstance("Varnik V3").isFirst());
        EXPECT_FALSE(FirstInOtherProcess("Varnik V3"));
        EXPECT_TRUE(SingleInstance("Varsetup").isFirst());
    }
    EXPECT_TRUE(SingleInstance("Varnik V3").isFirst());
    EXPECT_TRUE(FirstInOtherProcess("Varnik V3"));
}

TEST_F(SingleInstanceTest, ChildProgramsDoNotKeepTheLock)
{
    platform::ChildProcess child;
    {
        const SingleInstance first("Varnik V3");
        ASSERT_TRUE(first.isFirst());
        ASSERT_TRUE(child.start("sleep 5"));
    }
    EXPECT_TRUE(SingleInstance("Varnik V3").isFirst());
    child.endAfter(0);
}

TEST_F(SingleInstanceTest, NameBecomesOneFileInTheRuntimeFolder)
{
    const SingleInstance instance("../a/b");
    EXPECT_TRUE(instance.isFirst());
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path()))
        names.push_back(entry.path().filename().string());
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0], ".._a_b." + std::to_string(::getuid()) + ".lock");
}

}  // namespace
