#include "core/records/Team.h"

#include <algorithm>
#include <climits>

#include "core/records/SafeSave.h"

namespace courtlog {

namespace {

// No team file comes anywhere near this; it only keeps a wrong file from
// being read into memory whole.
constexpr std::size_t kMaxTeamFileSize = 64u * 1024u * 1024u;

// Reads one header field only when the data holds all of it, so a short
// file keeps the values the team already had for the fields it lacks.
void readTextField(ByteReader& in, std::string& field, std::size_t width) {
    if (in.failed() || in.remaining() < width) {
        in.skip(width);
        return;
    }
    field = in.text(width);
}

void readShortField(ByteReader& in, std::int16_t& field) {
    if (in.failed() || in.remaining() < 2) {
        in.skip(2);
        return;
    }
    field = in.i16();
}

}  // namespace

bool Team::measureFile() {
    const long long size = fileSizeOf(fileName);
    if (size < 0) return false;
    fileSize = static_cast<std::int32_t>(std::min<long long>(size, INT32_MAX));
    return true;
}

bool Team::load(std::string* error) {
    auto bytes = readWholeFile(fileName, kMaxTeamFileSize, error);
    if (!bytes) return false;
    ByteReader in(*bytes);
    // A short file keeps what could be read; the load itself succeeds because
    // the file was there.
    readFrom(in);
    return true;
}

bool Team::readFrom(ByteReader& in) {
    fileSize = static_cast<std::int32_t>(std::min<std::size_t>(in.size(), INT32_MAX));
    // The leading copy of the file name is never interpreted: a file moved to
    // another folder loads unchanged.
    in.skip(80);
    readTextField(in, name, kNameWidth);
    readTextField(in, coach, kNameWidth);
    readTextField(in, assistant, kNameWidth);
    readTextField(in, spareText, kNameWidth);
    readTextField(in, logoFile, kLogoFileWidth);
    readShortField(in, logoLayout);
    readShortField(in, logoFade);
    if (in.failed()) {
        clear();
        return false;
    }
    return readRoster(in) && !in.failed();
}

void Team::write(ByteWriter& out) const {
    out.text(fileName, 80);
    out.text(name, kNameWidth);
    out.text(coach, kNameWidth);
    out.text(assistant, kNameWidth);
    out.text(spareText, kNameWidth);
    out.text(logoFile, kLogoFileWidth);
    out.i16(logoLayout);
    out.i16(logoFade);
    writeRoster(out);
}

std::vector<std::uint8_t> Team::toBytes() const {
    ByteWriter out;
    write(out);
    return out.take();
}

bool Team::saveTo(const std::string& path, std::string* error) {
    fileName = path;
    return safeSave(path, toBytes(), error);
}

}  // namespace courtlog
