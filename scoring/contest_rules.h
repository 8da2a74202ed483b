// What a contest rule sees of a contact and of the own station, and the shape of one contest's rules:
// its points, the multipliers it records, where its points are counted and how its score is shown.
#pragma once

#include <string>
#include <string_view>

#include "core/band.h"
#include "scoring/band_point_counters.h"
#include "scoring/band_set.h"
#include "scoring/multiplier_files.h"
#include "scoring/score_layout.h"

namespace tallyhawk {

// The inputs of every rule, worked out once per contact.
struct ContactFacts {
    std::string call;     // blanks removed on both sides
    Band band = Band::M10;
    std::string mode;     // the first two characters of the mode field
    std::string exch;     // received exchange, trailing blanks removed
    std::string sent;     // sent exchange, trailing blanks removed
    std::string country;  // principal prefix; empty for an unknown country
    std::string cont;     // continent; empty for an unknown country
    std::string wpx;      // WPX prefix of the call
    std::string cqmKey;   // CQ-M country key (CQ-M only)
};

struct OwnStation {
    std::string call;       // names the WPX file
    std::string country;    // own-country prefix; in CQ-M the own CQ-M country key
    std::string continent;  // from the station settings
};

using PointsRule = int (*)(const ContactFacts& q, const OwnStation& own);
using MultiplierRule = void (*)(const ContactFacts& q, const OwnStation& own, MultiplierFiles& files);
using PointSlotsRule = void (*)(const ContactFacts& q, int points, BandPointCounters& counters);
using LayoutRule = ScoreLayout (*)(const OwnStation& own);
using RecountFilter = bool (*)(const ContactFacts& q);
struct StatusInput;       // scoring/multiplier_status.h
struct MultiplierStatus;
using StatusRule = MultiplierStatus (*)(const StatusInput& in);

// The multiplier files a contest keeps: the recount writes exactly these at every flush.
struct MultiplierFileSet {
    bool wpxFile = false;          // <Callsign>.wpx
    std::string_view bandKinds;    // "x", "xz", "xyz": <band>m.x, .y, .z for the six bands
    bool modeFiles = false;        // cw./ssb. cq, was, itu (ARRL 10 M)
};

// The scoring unit of a contest: its points, the multipliers it records, where its points are counted,
// how its score is shown and what it tells of a typed call.
struct ContestRules {
    BandSet pointBands;
    PointsRule points;
    MultiplierRule multipliers;
    LayoutRule layout;
    MultiplierFileSet files;
    PointSlotsRule addPoints = nullptr;  // nullptr: the points go to the slot of the contact's band
    StatusRule status = nullptr;  // the multiplier status of a typed call; nullptr: the contest shows none
    // Countries are CQ-M keys: the contact's country and the own country (CQ-M).
    bool usesCqmKey = false;
    RecountFilter countsInRecount = nullptr;  // nullptr: the recount scores every contact
};

}  // namespace tallyhawk
