#pragma once

#include <cstddef>
#include <memory>
#include <string>

// The files of a GTFS feed, read as byte streams from a directory or a zip archive.

class FeedStream {
public:
    virtual ~FeedStream() = default;
    // Reads up to size bytes; 0 at the end of the file or after a failure.
    virtual std::size_t read(char* buffer, std::size_t size) = 0;
    // True once a read has failed (as opposed to reaching the end).
    virtual bool failed() const = 0;
    // Why the read failed, when the stream knows more than that it failed (UTF-8).
    virtual std::string problem() const { return {}; }
};

class FeedFiles {
public:
    virtual ~FeedFiles() = default;
    virtual bool has(const std::string& name) const = 0;
    // Null, with problem set to why, when the file is missing or cannot be opened.
    virtual std::unique_ptr<FeedStream> open(const std::string& name,
                                             std::string& problem) const = 0;
};

// Opens a feed directory or zip archive. On failure returns null and sets problem to why.
std::unique_ptr<FeedFiles> openFeed(const std::string& path, std::string& problem);

// Opens a zip archive as a feed; openFeed calls it for a path that is not a directory.
std::unique_ptr<FeedFiles> openFeedZip(const std::string& path, std::string& problem);
