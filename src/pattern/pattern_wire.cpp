#include "pattern/pattern_wire.h"

#include "chart/chart_limits.h"
#include "platform/byte_wire.h"

#include <cmath>

namespace pattern {
namespace {

constexpr std::string_view kSignature = "tessaly pattern 1";

void packEntry(platform::ByteWriter& out, const KeyColour& colour) {
    out.text(colour.entry.code);
    out.text(colour.entry.name);
    out.text(colour.entry.symbol);
    out.number(colour.entry.r);
    out.number(colour.entry.g);
    out.number(colour.entry.b);
    out.number(colour.stitches);
}

bool unpackEntry(platform::ByteReader& in, KeyColour& colour) {
    return in.text(colour.entry.code) && in.text(colour.entry.name) && in.text(colour.entry.symbol) &&
           in.number(colour.entry.r) && in.number(colour.entry.g) && in.number(colour.entry.b) &&
           in.number(colour.stitches);
}

bool unpackPaper(platform::ByteReader& in, Paper& paper) {
    bool letter = false;
    if (!in.flag(letter)) return false;
    paper = letter ? Paper::Letter : Paper::A4;
    return true;
}

}  // namespace

std::string packPatternJob(const PatternJob& job) {
    platform::ByteWriter out;
    out.text(kSignature);
    out.number(job.options.paper == Paper::Letter ? 1 : 0);
    out.number(job.options.strands);
    out.text(job.options.date);

    const PatternContent& content = job.content;
    out.text(content.systemTitle);
    out.text(content.fabric.name);
    out.real(content.fabric.countSize);
    out.text(content.fabric.unit);
    out.number(static_cast<std::int32_t>(content.key.size()));
    for (const KeyColour& colour : content.key) packEntry(out, colour);
    out.number(content.columns);
    out.number(content.rows);
    for (int row : content.cells) out.number(row);
    return out.take();
}

std::optional<PatternJob> unpackPatternJob(std::string_view bytes) {
    platform::ByteReader in(bytes);
    PatternJob job;
    std::string signature;
    if (!in.text(signature) || signature != kSignature) return std::nullopt;
    if (!unpackPaper(in, job.options.paper) || !in.number(job.options.strands) || !in.text(job.options.date)) {
        return std::nullopt;
    }
    if (job.options.strands < kFewestStrands || job.options.strands > kMostStrands) return std::nullopt;

    PatternContent& content = job.content;
    std::int32_t keyRows = 0;
    if (!in.text(content.systemTitle) || !in.text(content.fabric.name) || !in.real(content.fabric.countSize) ||
        !in.text(content.fabric.unit) || !in.count(keyRows, palette::kMostColours)) {
        return std::nullopt;
    }
    if (!std::isfinite(content.fabric.countSize) || content.fabric.countSize <= 0) return std::nullopt;
    content.key.resize(static_cast<std::size_t>(keyRows));
    for (KeyColour& colour : content.key) {
        if (!unpackEntry(in, colour)) return std::nullopt;
    }
    if (!in.count(content.columns, chart::kMaxCells) || !in.count(content.rows, chart::kMaxCells)) return std::nullopt;
    content.cells.resize(static_cast<std::size_t>(content.columns) * static_cast<std::size_t>(content.rows));
    for (int& row : content.cells) {
        // Every cell names a key row or none, so that painting never reads past the key.
        if (!in.number(row) || row < kNoKeyRow || row >= keyRows) return std::nullopt;
    }
    if (!in.done()) return std::nullopt;
    return job;
}

}  // namespace pattern
