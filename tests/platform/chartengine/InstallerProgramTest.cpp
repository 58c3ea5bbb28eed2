// The installer program as scripts call it.

#include "platform/chartengine/ChartTestSupport.h"

#include "platform/chartengine/DatabaseManager.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <fstream>
#include <sstream>

namespace {

struct Outcome {
    int status;
    std::string output;
    std::string errors;
};

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

Outcome RunInstaller(const std::string& arguments, const std::filesystem::path& folder)
{
    const std::filesystem::path out = folder / "out.txt", err = folder / "err.txt";
    const std::string command = Quoted(CHARTDB_INSTALL) + " " + arguments + " >" + Quoted(out.string()) + " 2>" +
                                Quoted(err.string());
    const int status = std::system(command.c_str());
    const auto read = [](const std::filesystem::path& file) {
        std::stringstream text;
        text << std::ifstream(file).rdbuf();
        return text.str();
    };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(out), read(err)};
}

TEST(InstallerProgram, InstallsListsAndLinksTheTides)
{
    charttest::TemporaryFolder folder;
    const auto sources = charttest::LinkChartSources(folder.path() / "charts",
                                                     {"s58/AA500001.000", "s58/AA500003.000", "s58/AA500003.001"});
    const std::filesystem::path engine = folder.path() / "ChartEngine";
    const Outcome run = RunInstaller("--name Default --tides " + Quoted(charttest::kHarmonicsFile) + " " +
                                     Quoted(sources.string()) + " " + Quoted(engine.string()),
                                 folder.path());
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_NE(run.output.find("installed 1 cells"), std::string::npos) << run.output;
    EXPECT_NE(run.errors.find("AA500003: intended usage 65"), std::string::npos) << run.errors;
    EXPECT_TRUE(std::filesystem::exists(engine / "TIDES" / "harmonics-dwf-20191229-free.tcd"));
    std::string name;
    ASSERT_EQ(chartengine::DatabaseManager(engine).Name(0, &name), chartengine::kOk);
    EXPECT_EQ(name, "Default");
}

TEST(InstallerProgram, NamesTheDatabaseAfterItsSourceFolder)
{
    charttest::TemporaryFolder folder;
    const auto sources = charttest::LinkChartSources(folder.path() / "Harbour", {"s58/AA500001.000"});
    const std::filesystem::path engine = folder.path() / "engine";
    ASSERT_EQ(RunInstaller(Quoted(sources.string() + "/") + " " + Quoted(engine.string()), folder.path()).status, 0);
    std::string name;
    ASSERT_EQ(chartengine::DatabaseManager(engine).Name(0, &name), chartengine::kOk);
    EXPECT_EQ(name, "Harbour");
}

TEST(InstallerProgram, FailsOnWrongArgumentsAndOnNothingToInstall)
{
    charttest::TemporaryFolder folder;
    EXPECT_EQ(RunInstaller("", folder.path()).status, 2);
    EXPECT_EQ(RunInstaller("--verbose a b", folder.path()).status, 2);
    EXPECT_EQ(RunInstaller("--name ../x a b", folder.path()).status, 2);
    const auto sources = charttest::LinkChartSources(folder.path() / "bad", {"s58/AA500003.000"});
    EXPECT_EQ(RunInstaller(Quoted(sources.string()) + " " + Quoted((folder.path() / "engine").string()), folder.path()).status, 1);
    EXPECT_EQ(RunInstaller("--tides /nonexistent.tcd " + Quoted(charttest::FixtureChart("s58").string()) + " " +
                               Quoted((folder.path() / "engine").string()),
                           folder.path())
                  .status,
              1);
}

}  // namespace
