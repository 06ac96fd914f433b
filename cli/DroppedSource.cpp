#include "cli/DroppedSource.h"

#include <cstdio>

#include "cli/CliTexts.h"
#include "cli/Desktop.h"
#include "cli/PassengerNetwork.h"
#include "cli/ReportCommand.h"
#include "core/FileSystem.h"
#include "core/MessageFormat.h"
#include "core/TextConversion.h"
#include "network/ReportPage.h"

namespace {

// Characters a file name cannot hold on Windows become "_".
std::string fileNameOf(const std::string& city) {
    std::string name;
    for (std::size_t i = 0; i < city.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(city[i]);
        if (isGbkLeadByte(c) && i + 1 < city.size()) {
            name += city.substr(i++, 2);
        } else {
            name += (c < 0x20 || std::string("\\/:*?\"<>|").find(c) != std::string::npos)
                        ? '_'
                        : static_cast<char>(c);
        }
    }
    const std::size_t end = name.find_last_not_of(" ._");
    return end == std::string::npos ? std::string() : name.substr(0, end + 1);
}

std::string reportPathBeside(const std::string& source, const std::string& city) {
    std::string folder = source;
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) {
        folder.pop_back();
    }
    const std::size_t slash = folder.find_last_of("/\\");
    std::string name = fileNameOf(city);
    if (name.empty()) {
        name = slash == std::string::npos ? folder : folder.substr(slash + 1);
    }
    folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
#ifndef _WIN32
    name = gbkToUtf8(name);
#endif
    FileSystem& files = realFileSystem();
    for (int n = 1;; ++n) {
        const std::string path =
            folder + name + (n == 1 ? std::string() : "-" + std::to_string(n)) + ".html";
        std::string bytes;
        if (!files.exists(path) || (files.readFile(path, bytes) && isReportPage(bytes))) {
            return path;
        }
    }
}

}  // namespace

int runDroppedSource(const std::string& source, const Terminal& terminal) {
    PassengerNetwork network;
    bool written = false;
    std::string path;
    if (network.open(source, terminal)) {
        path = reportPathBeside(source, network.database().header.city);
        written = writeReport(source, path, terminal);
    }
    if (written) {
        openWithDefaultProgram(path);
        return 0;
    }
    if (ownsConsoleWindow()) {
        terminal.err(cliTexts::kPressEnterToClose);
        std::getchar();
    }
    return 1;
}
