#include "OpenURL.h"

#include "Platform.h"

void TMisc::Open(const QString& command) {
    Platform::shell().open(command);
}
