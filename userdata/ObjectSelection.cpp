#include "userdata/ObjectSelection.h"

#include <algorithm>

int32_t ObjectSelectionMode = 0;
std::array<int32_t, 100> ShownTrackList{};

void AddSelectedTrack(int32_t id)
{
    if (id == 0 || IsSelectedTrack(id))
        return;
    const auto free = std::find(ShownTrackList.begin(), ShownTrackList.end() - 1, 0);
    *free = id;
}

bool IsSelectedTrack(int32_t id)
{
    const auto end = std::find(ShownTrackList.begin(), ShownTrackList.end(), 0);
    return id != 0 && std::find(ShownTrackList.begin(), end, id) != end;
}

void ClearShownTrackList()
{
    ShownTrackList.fill(0);
}
