#pragma once
// Module OpenURL: the shell-open helper every document, mail link and web
// link leaves the program through.

#include <QString>

class TMisc {
  public:
    // Hands `command` to the shell's "open"; a failure to open is silent.
    static void Open(const QString& command);
};
