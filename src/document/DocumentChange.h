#pragma once

namespace kavro {

// What a change to the document touched, so views update only what they show of it.
// `what` says which parts; an index narrows it to one element (-1: possibly all of them).
//   Satellites   the satellite list, or satellite `satellite`'s own fields
//   Transponders satellite `satellite`'s transponder list, or transponder `transponder` of it
//   Channels     channels anywhere, or the one channel at (satellite, transponder, channel)
//   Groups       the group list, or group `group` (name and members)
//   Settings     the receiver settings block
struct DocumentChange {
    enum Part : unsigned {
        Satellites = 1,
        Transponders = 2,
        Channels = 4,
        Groups = 8,
        Settings = 16,
        Everything = 31,
    };

    unsigned what = Everything;
    int satellite = -1;
    int transponder = -1;
    int channel = -1;
    int group = -1;

    bool touches(Part part) const { return (what & part) != 0; }

    static DocumentChange everything() { return {}; }
    // The satellite list (with everything below it) changed in structure: adds, deletes, moves.
    static DocumentChange satelliteList() {
        return {Satellites | Transponders | Channels | Groups};
    }
    static DocumentChange oneSatellite(int s) { return {Satellites, s}; }
    // Satellite s's transponder list changed in structure.
    static DocumentChange transponderList(int s) { return {Transponders | Channels | Groups, s}; }
    static DocumentChange oneTransponder(int s, int t) { return {Transponders, s, t}; }
    // Channels were added, removed or renumbered somewhere (group references follow them).
    static DocumentChange channels() { return {Channels | Groups}; }
    static DocumentChange oneChannel(int s, int t, int k) { return {Channels, s, t, k}; }
    static DocumentChange groupList() { return {Groups}; }
    static DocumentChange oneGroup(int g) { return {Groups, -1, -1, -1, g}; }
    static DocumentChange settings() { return {Settings}; }
};

}  // namespace kavro
