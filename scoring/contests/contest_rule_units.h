// The rule unit of each contest: its points (pure), the multipliers it records, its score layout and
// the multiplier status it shows for a typed call.
#pragma once

#include "scoring/contest_rules.h"
#include "scoring/multiplier_status.h"

namespace tallyhawk {

// WPX DX and CQ WW DX share their points.
int DxContinentPoints(const ContactFacts& q, const OwnStation& own);
void WpxDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout WpxDxLayout(const OwnStation& own);
MultiplierStatus WpxDxStatus(const StatusInput& in);
void CqWwDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout CqWwDxLayout(const OwnStation& own);
MultiplierStatus CqWwDxStatus(const StatusInput& in);

int Arrl10mPoints(const ContactFacts& q, const OwnStation& own);
void Arrl10mMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
void Arrl10mPointSlots(const ContactFacts& q, int points, BandPointCounters& counters);
bool Arrl10mCountsInRecount(const ContactFacts& q);
ScoreLayout Arrl10mLayout(const OwnStation& own);
MultiplierStatus Arrl10mStatus(const StatusInput& in);

int ArrlDxPoints(const ContactFacts& q, const OwnStation& own);
void ArrlDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout ArrlDxLayout(const OwnStation& own);
MultiplierStatus ArrlDxStatus(const StatusInput& in);

int UbaDxPoints(const ContactFacts& q, const OwnStation& own);
void UbaDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout UbaDxLayout(const OwnStation& own);
MultiplierStatus UbaDxStatus(const StatusInput& in);

int RefDxPoints(const ContactFacts& q, const OwnStation& own);
void RefDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout RefDxLayout(const OwnStation& own);

int JapanDxPoints(const ContactFacts& q, const OwnStation& own);
void JapanDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout JapanDxLayout(const OwnStation& own);
MultiplierStatus JapanDxStatus(const StatusInput& in);

int PaccDxPoints(const ContactFacts& q, const OwnStation& own);
void PaccDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout PaccDxLayout(const OwnStation& own);

int AadxPoints(const ContactFacts& q, const OwnStation& own);
void AadxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout AadxLayout(const OwnStation& own);
MultiplierStatus AadxStatus(const StatusInput& in);

int SpDxPoints(const ContactFacts& q, const OwnStation& own);
void SpDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout SpDxLayout(const OwnStation& own);
MultiplierStatus SpDxStatus(const StatusInput& in);

int OkOmDxPoints(const ContactFacts& q, const OwnStation& own);
void OkOmDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout OkOmDxLayout(const OwnStation& own);
MultiplierStatus OkOmDxStatus(const StatusInput& in);

// RSGB 21/28 and RSGB 7 MHZ share their rules and differ in the rows they show.
int RsgbPoints(const ContactFacts& q, const OwnStation& own);
void RsgbMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout Rsgb21And28Layout(const OwnStation& own);
ScoreLayout Rsgb7MhzLayout(const OwnStation& own);
MultiplierStatus RsgbStatus(const StatusInput& in);

int RussianDxPoints(const ContactFacts& q, const OwnStation& own);
void RussianDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout RussianDxLayout(const OwnStation& own);
MultiplierStatus RussianDxStatus(const StatusInput& in);

int UkrDxPoints(const ContactFacts& q, const OwnStation& own);
void UkrDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout UkrDxLayout(const OwnStation& own);
MultiplierStatus UkrDxStatus(const StatusInput& in);

int CqmPoints(const ContactFacts& q, const OwnStation& own);
void CqmMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout CqmLayout(const OwnStation& own);
MultiplierStatus CqmStatus(const StatusInput& in);

int IaruHfPoints(const ContactFacts& q, const OwnStation& own);
void IaruHfMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout IaruHfLayout(const OwnStation& own);

int OceaniaDxPoints(const ContactFacts& q, const OwnStation& own);
void OceaniaDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout OceaniaDxLayout(const OwnStation& own);
MultiplierStatus OceaniaDxStatus(const StatusInput& in);

int SacDxPoints(const ContactFacts& q, const OwnStation& own);
void SacDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout SacDxLayout(const OwnStation& own);
MultiplierStatus SacDxStatus(const StatusInput& in);

int LzDxPoints(const ContactFacts& q, const OwnStation& own);
void LzDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout LzDxLayout(const OwnStation& own);

}  // namespace tallyhawk
