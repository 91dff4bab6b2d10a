#include "Utils/FileLogger.h"

#include <string>

#include "Utils/LogFile.h"

namespace vrx {
namespace {

// "yyyy/mm/dd hh:nn:ss.zzz".
void appendTimeStamp(std::string& line, const LocalTime& t) {
    char stamp[80];
    std::snprintf(stamp, sizeof stamp, "%04d/%02d/%02d %02d:%02d:%02d.%03d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second, t.millisecond);
    line += stamp;
}

const char* levelName(LogLevel level) {
    switch (level) {
        case LogLevel::Error: return "Error";
        case LogLevel::Info: return "Info ";
        case LogLevel::Debug: return "Debug";
    }
    return "";
}

}  // namespace

FileLogger::~FileLogger() {
    if (file_) std::fclose(file_);
}

bool FileLogger::open(const std::filesystem::path& path) {
    if (file_) std::fclose(file_);
    file_ = createLogFile(path);
    if (!file_) return false;
    std::fwrite("\xEF\xBB\xBF", 1, 3, file_);
    return true;
}

void FileLogger::close() {
    if (!file_) return;
    std::fputs("Application terminated\r\n", file_);
    std::fclose(file_);
    file_ = nullptr;
}

void FileLogger::writeLine(LogLevel level, std::string_view message) {
    if (!file_) return;
    std::string line;
    line.reserve(32 + message.size());
    appendTimeStamp(line, clock_.now());
    line += ' ';
    line += levelName(level);
    line += "  ";
    line += message;
    line += "\r\n";
    std::fwrite(line.data(), 1, line.size(), file_);
}

}  // namespace vrx
