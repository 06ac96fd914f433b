#include "app/Settings.h"

#include <windows.h>

#include "app/AppTexts.h"

namespace settings {

namespace {

std::string read(const char* key) {
    char value[256] = "";
    // No file name: the profile functions use the user's WIN.INI.
    GetPrivateProfileStringA(appTexts::kSettingsSection, key, "", value, sizeof value, nullptr);
    return value;
}

void write(const char* key, const std::string& value) {
    if (!WritePrivateProfileStringA(appTexts::kSettingsSection, key, value.c_str(), nullptr)) {
        OutputDebugStringA("velorin: a setting could not be written to WIN.INI\n");
    }
}

}  // namespace

std::string readInputFile() {
    return read(appTexts::kSettingInputFile);
}
std::string readOutputDir() {
    return read(appTexts::kSettingOutputDir);
}
void writeInputFile(const std::string& path) {
    write(appTexts::kSettingInputFile, path);
}
void writeOutputDir(const std::string& path) {
    write(appTexts::kSettingOutputDir, path);
}

}  // namespace settings
