#pragma once

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace Vexmor::levelloader {

// Delivers a text file one content line at a time as space-separated tokens. Blank lines
// and lines starting with "#" are skipped; the reader always stays one content line ahead.
class TextFileReader {
public:
    explicit TextFileReader(const char* fileName);
    virtual ~TextFileReader();

    TextFileReader(const TextFileReader&) = delete;
    TextFileReader& operator=(const TextFileReader&) = delete;

    // Starts again at the top of the file; a missing file only prints a notice and leaves
    // the reader closed after the first read fails.
    void open();
    bool isOpen() const { return opened; }
    // The tokens of the waiting content line, or null when the reader is closed.
    std::unique_ptr<std::vector<std::string>> nextTokens();
    // Zero-based index of the physical line read last; -1 before the first one.
    std::int32_t lineNumber() const { return lineIndex; }
    // Zero-based index of the physical line the last tokens came from; -1 before the first.
    // Unlike lineNumber() it does not run ahead, so it names the line being worked on.
    std::int32_t tokensLineNumber() const { return tokensLineIndex; }
    // Reports a stream error, if any, and releases the stream.
    void close();

    // The whole file at once, with the same console messages as reading it line by line.
    // Returns false when the file could not be read to its end.
    bool readAll(std::string& contents);

protected:
    // The game's own name of the file (backslashes); messages show it unchanged.
    const std::string fileName;

private:
    void openStream();
    void readNextLine();

    bool opened = false;
    std::unique_ptr<std::ifstream> stream;
    std::string currentLine;
    std::int32_t lineIndex = 0;
    std::int32_t tokensLineIndex = -1;
};

} // namespace Vexmor::levelloader
