#include "sensors/SentenceHandlers.h"
#include "sensors/SentenceParser.h"

int32_t DispatchSentence(int32_t caseNumber, const SentenceContext& s)
{
    switch (caseNumber) {
    case CaseGga: return HandleGga(s);
    case CaseGll: return HandleGll(s);
    case CaseVtg: return HandleVtg(s);
    case CaseRmc: return HandleRmc(s);
    case CaseHdt: return HandleHdt(s);
    case CaseDpt: return HandleDpt(s);
    case CaseVbw: return HandleVbw(s);
    case CaseDbt: return HandleDbt(s);
    case CaseMtw: return HandleMtw(s);
    case CaseRsd: return HandleRsd(s);
    case CaseOsd: return HandleOsd(s);
    case CaseVhw: return HandleVhw(s);
    case CaseZda: return HandleZda(s);
    case CaseMwv: return HandleMwv(s);
    case CaseVwr: return HandleVwr(s);
    case CaseWpl: return HandleWpl(s);
    case CaseRte: return HandleRte(s);
    case CaseAlr: return HandleAlr(s);
    case CaseAbk: return HandleAbk(s);
    case CaseDtm: return HandleDtm(s);
    case CaseBrg: return HandleBrg(s);
    case CaseSonarHeading: return HandleSonarHeading(s);
    case CaseFixedHeading: return HandleFixedHeading(s);
    case CaseFixedMarker: return HandleFixedMarker(s);
    case CaseSonarData: return HandleSonarData(s);
    case CaseTtm: return HandleTtm(s);
    case CaseTgt: return HandleTgt(s);
    case CaseFixedTarget: return HandleFixedTarget(s);
    case CaseVdm: return HandleVdm(s);
    case CaseVdo: return HandleVdo(s);
    default: return 0;
    }
}
