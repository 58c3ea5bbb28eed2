#include "app/ChildPrograms.h"

#include "frame/SharedTables.h"

platform::ChildProcess ThreeDGenerator;
platform::ChildProcess ThreeDViewer;

void EndChildPrograms()
{
    constexpr int GraceMs = 500;
    if (ThreeDAvailable && ThreeDGenerator.isStarted())
        ThreeDGenerator.endAfter(GraceMs);
    if (ThreeDViewer.isStarted())
        ThreeDViewer.endAfter(GraceMs);
}
