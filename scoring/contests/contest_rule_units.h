// The rule unit of each contest: its points (pure), the multipliers it records and its score layout.
#pragma once

#include "scoring/contest_rules.h"

namespace tallyhawk {

// WPX DX and CQ WW DX share their points.
int DxContinentPoints(const ContactFacts& q, const OwnStation& own);
void WpxDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout WpxDxLayout(const OwnStation& own);
void CqWwDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout CqWwDxLayout(const OwnStation& own);

int Arrl10mPoints(const ContactFacts& q, const OwnStation& own);
void Arrl10mMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
void Arrl10mPointSlots(const ContactFacts& q, int points, BandPointCounters& counters);
bool Arrl10mCountsInRecount(const ContactFacts& q);
ScoreLayout Arrl10mLayout(const OwnStation& own);

int ArrlDxPoints(const ContactFacts& q, const OwnStation& own);
void ArrlDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout ArrlDxLayout(const OwnStation& own);

int UbaDxPoints(const ContactFacts& q, const OwnStation& own);
void UbaDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout UbaDxLayout(const OwnStation& own);

int RefDxPoints(const ContactFacts& q, const OwnStation& own);
void RefDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout RefDxLayout(const OwnStation& own);

int JapanDxPoints(const ContactFacts& q, const OwnStation& own);
void JapanDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout JapanDxLayout(const OwnStation& own);

int PaccDxPoints(const ContactFacts& q, const OwnStation& own);
void PaccDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout PaccDxLayout(const OwnStation& own);

int AadxPoints(const ContactFacts& q, const OwnStation& own);
void AadxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout AadxLayout(const OwnStation& own);

int SpDxPoints(const ContactFacts& q, const OwnStation& own);
void SpDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout SpDxLayout(const OwnStation& own);

int OkOmDxPoints(const ContactFacts& q, const OwnStation& own);
void OkOmDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout OkOmDxLayout(const OwnStation& own);

// RSGB 21/28 and RSGB 7 MHZ share their rules and differ in the rows they show.
int RsgbPoints(const ContactFacts& q, const OwnStation& own);
void RsgbMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout Rsgb21And28Layout(const OwnStation& own);
ScoreLayout Rsgb7MhzLayout(const OwnStation& own);

int RussianDxPoints(const ContactFacts& q, const OwnStation& own);
void RussianDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout RussianDxLayout(const OwnStation& own);

int UkrDxPoints(const ContactFacts& q, const OwnStation& own);
void UkrDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout UkrDxLayout(const OwnStation& own);

int CqmPoints(const ContactFacts& q, const OwnStation& own);
void CqmMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout CqmLayout(const OwnStation& own);

int IaruHfPoints(const ContactFacts& q, const OwnStation& own);
void IaruHfMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout IaruHfLayout(const OwnStation& own);

int OceaniaDxPoints(const ContactFacts& q, const OwnStation& own);
void OceaniaDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout OceaniaDxLayout(const OwnStation& own);

int SacDxPoints(const ContactFacts& q, const OwnStation& own);
void SacDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout SacDxLayout(const OwnStation& own);

int LzDxPoints(const ContactFacts& q, const OwnStation& own);
void LzDxMultipliers(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
ScoreLayout LzDxLayout(const OwnStation& own);

}  // namespace tallyhawk
