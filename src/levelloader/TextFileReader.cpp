#include "levelloader/TextFileReader.h"

#include "platform/Paths.h"

#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/split.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <boost/filesystem/operations.hpp>

#include <iostream>

namespace Vexmor::levelloader {

TextFileReader::TextFileReader(const char* fileName) : fileName(fileName) {}

TextFileReader::~TextFileReader() {
    close();
}

void TextFileReader::openStream() {
    const std::string path = platform::hostPath(fileName);
    boost::system::error_code failure;
    const boost::filesystem::file_status status = boost::filesystem::status(path, failure);
    if (failure || !boost::filesystem::exists(status)) {
        std::cout << '\n' << "Not found: " << fileName << std::endl;
    }
    // An unopened stream is kept on purpose: its first read fails and close() reports it.
    stream = std::make_unique<std::ifstream>(path, std::ios::in);
    opened = true;
}

void TextFileReader::open() {
    close();
    openStream();
    lineIndex = -1;
    tokensLineIndex = -1;
    readNextLine();
}

void TextFileReader::readNextLine() {
    while (opened) {
        std::getline(*stream, currentLine);
        if (stream->fail()) {
            close();
            return;
        }
        boost::algorithm::trim(currentLine);
        ++lineIndex;
        if (!currentLine.empty() && currentLine.front() != '#') {
            return;
        }
    }
}

std::unique_ptr<std::vector<std::string>> TextFileReader::nextTokens() {
    if (!opened) {
        return nullptr;
    }
    const std::string line = currentLine;
    tokensLineIndex = lineIndex;
    readNextLine();
    auto tokens = std::make_unique<std::vector<std::string>>();
    boost::algorithm::split(*tokens, line, boost::algorithm::is_any_of(" "),
                            boost::algorithm::token_compress_on);
    return tokens;
}

void TextFileReader::close() {
    if (!opened) {
        return;
    }
    const std::ios::iostate state = stream->rdstate();
    // End of file sets eof and fail together and is no error.
    if (state != std::ios::goodbit && (state & std::ios::eofbit) == 0) {
        const char* message =
            (state & std::ios::badbit) != 0    ? "Read/writing error on i/o operation in File '"
            : (state & std::ios::failbit) != 0 ? "Logical error on i/o operation in File '"
                                               : "Error reading File '";
        std::cout << message << fileName << "'" << std::endl;
    }
    stream.reset();
    opened = false;
}

bool TextFileReader::readAll(std::string& contents) {
    close();
    openStream();
    contents.clear();
    constexpr std::size_t chunk = 1 << 16;
    std::size_t used = 0;
    do {
        contents.resize(used + chunk);
        stream->read(contents.data() + used, chunk);
        used += static_cast<std::size_t>(stream->gcount());
    } while (stream->good());
    contents.resize(used);
    const bool whole = stream->eof() && !stream->bad();
    close();
    return whole;
}

} // namespace Vexmor::levelloader
