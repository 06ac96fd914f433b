#include "tests/support/TestSupport.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "core/FieldReader.h"
#include "core/TextConversion.h"

namespace fs = std::filesystem;

std::vector<std::string> RecordingLog::messages() const {
    std::vector<std::string> texts;
    for (const Entry& entry : entries) {
        texts.push_back(entry.message);
    }
    return texts;
}

bool RecordingLog::contains(LogLevel level, const std::string& message) const {
    for (const Entry& entry : entries) {
        if (entry.level == level && entry.message == message) {
            return true;
        }
    }
    return false;
}

bool RecordingLog::hasLevel(LogLevel level) const {
    for (const Entry& entry : entries) {
        if (entry.level == level) {
            return true;
        }
    }
    return false;
}

TempDir::TempDir() {
    const fs::path base = fs::temp_directory_path();
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = base / ("velorin-test-" + std::to_string(random()));
        if (fs::create_directory(candidate)) {
            path_ = candidate.string();
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory");
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

std::string TempDir::file(const std::string& name) const {
    return path_ + "/" + name;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

bool fileExists(const std::string& path) {
    return fs::exists(path);
}

std::vector<std::string> listDirectory(const std::string& path) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

DataFileSet DataFileSet::readFrom(const std::string& directory) {
    return {readFile(directory + "/readme.txt"), readFile(directory + "/s.i"),
            readFile(directory + "/s.d"), readFile(directory + "/t.i"),
            readFile(directory + "/t.d")};
}

bool DataFileSet::operator==(const DataFileSet& other) const {
    return readme == other.readme && stationIndex == other.stationIndex &&
           stationTrips == other.stationTrips && tripIndex == other.tripIndex &&
           tripStations == other.tripStations;
}

Route makeRoute(const std::string& name, const std::string& up, const std::string& down,
                const std::string& lineType, const std::string& extraInfo) {
    Route route;
    route.name = name;
    route.start = {"", "6:00", "22:00"};
    route.terminal = {"", "6:30", "22:30"};
    route.lineType = lineType;
    route.extraInfo = extraInfo;
    splitStations(up, route.upStations);
    splitStations(down, route.downStations);
    return route;
}

std::string hexBytes(const std::string& hex) {
    std::string bytes;
    std::size_t i = 0;
    while (i < hex.size()) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
        i += 2;
    }
    return bytes;
}

std::string twoByte(int n) {
    return {static_cast<char>(n / 128), static_cast<char>(n % 128)};
}

std::string threeByte(int p) {
    return static_cast<char>(p / 16384) + twoByte(p % 16384);
}

std::string utf16le(std::string_view gbk) {
    std::string out;
    for (char16_t unit : gbkToUtf16(gbk)) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    }
    return out;
}

std::string countedText(std::string_view gbk) {
    const std::string bytes = utf16le(gbk);
    return twoByte(static_cast<int>(bytes.size())) + bytes;
}
