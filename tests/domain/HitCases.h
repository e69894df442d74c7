#pragma once
// One filter against one field text: the cases of the hit rule, checked both
// on texts and on records read from an archive, so the two cannot drift apart.

#include <QString>

struct HitCase {
    const char* filter; // as typed
    const char* field;  // as stored (already trimmed)
    bool hits;
};

inline const HitCase kHitCases[] = {
    {"ROSSI", "Verdi, Rossi Mario", true}, // A to Z fold both ways
    {"rossi", "ROSSI", true},
    {"via roma", "Via Roma 12", true},  // consecutive words
    {"roma via", "Via Roma 12", false}, // not in that order
    {"è", "PERCHÈ", false},             // accented letters keep their case
    {"È", "PERCHÈ", true},
    {"rossi ", "Bianchi, Rossi", false}, // the trailing blank is part of the filter
    {"rossi ", "Rossi Mario", true},
    {" ", "Via  Roma", true}, // a filter of blanks can hit
    {"  ", "Via  Roma", true},
    {"  ", "Via Roma", false},
    {"", "Via Roma", false}, // an empty filter never hits
    {"", "", false},
    {"€5", "costo €5 al giorno", true}, // the code page's own letters
    {"日", "?", false},                 // a character no archive text can hold
};
