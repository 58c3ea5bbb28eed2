#include "setup/SetupState.h"

#include "setup/DatabaseOperations.h"
#include "setup/TWaitWin.h"

#include "platform/chartengine/EngineRegistry.h"
#include "platform/system/RegistryStore.h"

const std::string& SetupState::Text(int n) const
{
    static const std::string missing = kMissingText;
    return n >= 0 && n < static_cast<int>(texts.size()) ? texts[n] : missing;
}

std::unique_ptr<SetupState> CreateSetupState(const std::filesystem::path& setupFolder)
{
    auto state = std::make_unique<SetupState>();
    state->setupFolder = setupFolder;
    state->chartSystemFolder =
        chartengine::EngineFolderOfStore(platform::DefaultRegistryStoreFile(setupFolder)).value_or(std::filesystem::path());
    state->managerUsable = state->chartSystemFolder.empty() ? 0 : 1;
    if (state->managerUsable) {
        state->manager = std::make_unique<chartengine::DatabaseManager>(state->chartSystemFolder);
        state->manager->SetProgressListener(QueueInstallProgress);
        EnumInstalledDatabases(*state);
    }
    return state;
}
