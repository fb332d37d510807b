// The settings file as start-up reads it.

#include "app/application_state.h"
#include "app/settings_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = Fuzz::put(SettingsFile::FileName, data, size);
    ApplicationState state;
    SettingsFile::read(path, state);
    return 0;
}
