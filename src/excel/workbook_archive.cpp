#include "excel/workbook_archive.h"

#include "excel/inline_texts.h"

#include <zip.h>

#include <fstream>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace excel {
namespace {

constexpr std::string_view kOdsMimeType = "application/vnd.oasis.opendocument.spreadsheet";

struct ZipDiscard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Zip = std::unique_ptr<zip_t, ZipDiscard>;

// The archive over bytes held in memory, which must outlive it; nullptr when they are no zip.
Zip openInMemory(const std::string& bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (source && !archive) zip_source_free(source);
    zip_error_fini(&error);
    return Zip(archive);
}

struct Part {
    std::string name;
    zip_uint64_t index;
    zip_uint64_t size;  // inflated, as the archive's directory gives it
};

// The inflated part, or nothing when it inflates to another size than its directory gives or
// fails its checksum (checked once the end of the data is read).
std::optional<std::string> readPart(zip_t* archive, const Part& part) {
    zip_file_t* file = zip_fopen_index(archive, part.index, 0);
    if (!file) return std::nullopt;
    std::string data(part.size, '\0');
    const zip_int64_t read = zip_fread(file, data.data(), data.size());
    char beyond = 0;
    const zip_int64_t end = zip_fread(file, &beyond, 1);
    zip_fclose(file);
    if (read < 0 || static_cast<zip_uint64_t>(read) != part.size || end != 0) return std::nullopt;
    return data;
}

// The folder a relationships part speaks for: "xl/_rels/workbook.xml.rels" speaks for "xl/".
std::string sourceFolder(const std::string& relationshipsName) {
    const std::size_t rels = relationshipsName.rfind("_rels/");
    return rels == std::string::npos ? std::string() : relationshipsName.substr(0, rels);
}

// A target named from the package's root, as seen from the source folder.
std::string relativeTarget(std::string_view target, const std::string& folder) {
    std::string_view from = folder;
    std::string up;
    // Up from the folder until it holds the target.
    while (!from.empty() && !target.starts_with(from)) {
        from.remove_suffix(1);
        const std::size_t slash = from.rfind('/');
        from = slash == std::string_view::npos ? std::string_view() : from.substr(0, slash + 1);
        up += "../";
    }
    return up + std::string(target.substr(from.size()));
}

// Relationship targets named from the root ("/xl/worksheets/sheet1.xml") rewritten relative to the
// part's folder, the only form the reading library follows.
void relativiseTargets(std::string& relationships, const std::string& folder) {
    for (const std::string_view attribute : {"Target=\"/", "Target='/"}) {
        for (std::size_t at = relationships.find(attribute); at != std::string::npos;
             at = relationships.find(attribute, at + 1)) {
            const std::size_t start = at + attribute.size() - 1;
            const std::size_t end = relationships.find(attribute[attribute.size() - 2], start);
            if (end == std::string::npos) break;
            const std::string_view absolute = std::string_view(relationships).substr(start + 1, end - start - 1);
            relationships.replace(start, end - start, relativeTarget(absolute, folder));
        }
    }
}

// A new archive of the parts, stored without compression; empty when it cannot be made.
std::string packParts(const std::vector<Part>& parts, const std::vector<std::string>& contents) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_error_fini(&error);
    if (!target) return {};
    zip_source_keep(target);
    std::string packed;
    if (zip_t* archive = zip_open_from_source(target, ZIP_TRUNCATE, nullptr)) {
        bool added = true;
        for (std::size_t i = 0; i < parts.size() && added; ++i) {
            zip_source_t* source = zip_source_buffer(archive, contents[i].data(), contents[i].size(), 0);
            const zip_int64_t index = source ? zip_file_add(archive, parts[i].name.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
            if (source && index < 0) zip_source_free(source);
            added = index >= 0 && zip_set_file_compression(archive, index, ZIP_CM_STORE, 0) == 0;
        }
        if (!added || zip_close(archive) != 0) zip_discard(archive);
        zip_stat_t stat;
        if (added && zip_source_open(target) == 0) {
            if (zip_source_stat(target, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE)) {
                packed.resize(stat.size);
                if (zip_source_read(target, packed.data(), stat.size) != static_cast<zip_int64_t>(stat.size)) packed.clear();
            }
            zip_source_close(target);
        }
    }
    zip_source_free(target);
    return packed;
}

// The parts, each inflated and checked against its checksum, packed anew without compression in
// the forms the reading library takes: in an .xlsx, targets named from the package's root made
// relative and text cells stored inline made formula results. The reading library thus meets only
// sound archives of sound parts; it has parsed whatever a damaged stream left in its buffer. Empty
// when a part cannot be read.
std::string repackedForReading(zip_t* archive, const std::vector<Part>& parts, WorkbookFormat format) {
    std::vector<std::string> contents(parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::optional<std::string> data = readPart(archive, parts[i]);
        if (!data) return {};
        if (format == WorkbookFormat::Xlsx && parts[i].name.ends_with(".rels")) {
            relativiseTargets(*data, sourceFolder(parts[i].name));
        } else if (format == WorkbookFormat::Xlsx && parts[i].name.ends_with(".xml")) {
            inlineTextsAsFormulaResults(*data);
        }
        contents[i] = std::move(*data);
    }
    return packParts(parts, contents);
}

WorkbookArchive refused(std::string problem) {
    WorkbookArchive archive;
    archive.problem = std::move(problem);
    return archive;
}

std::string damaged() { return std::string(kNoWorkbook); }

std::string tooLarge() {
    return "図案のブックとしては大きすぎます（ファイル" + std::to_string(kMaxWorkbookFileBytes >> 20) + "MB、展開して" +
           std::to_string(kMaxWorkbookInflatedBytes >> 20) + "MBまで）。";
}

}  // namespace

WorkbookArchive openWorkbookArchive(const std::string& path) {
    // Only a regular file, and its size from the file system: a sparse or endless file is refused
    // without being read.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return refused("ファイルがないか、読めません。");
    if (status.st_size > kMaxWorkbookFileBytes) return refused(tooLarge());

    WorkbookArchive result;
    std::ifstream file(path, std::ios::binary);
    result.bytes.resize(static_cast<std::size_t>(status.st_size));
    if (!file.read(result.bytes.data(), status.st_size) || file.peek() != std::char_traits<char>::eof()) {
        return refused("ファイルがないか、読めません。");
    }
    if (!result.bytes.starts_with("PK\x03\x04")) return refused(damaged());
    Zip archive = openInMemory(result.bytes);
    if (!archive) return refused(damaged());

    // Every part's size from the archive's directory, before anything is inflated.
    std::vector<Part> parts;
    zip_uint64_t inflated = 0;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), i, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME) ||
            !(stat.valid & ZIP_STAT_SIZE)) {
            return refused(damaged());
        }
        if (stat.size > static_cast<zip_uint64_t>(kMaxWorkbookPartBytes)) return refused(tooLarge());
        inflated += stat.size;
        if (inflated > static_cast<zip_uint64_t>(kMaxWorkbookInflatedBytes)) return refused(tooLarge());
        parts.push_back(Part{stat.name, static_cast<zip_uint64_t>(i), stat.size});
    }
    const auto named = [&parts](std::string_view name) -> const Part* {
        for (const Part& part : parts) {
            if (part.name == name) return &part;
        }
        return nullptr;
    };

    // An OpenDocument file names its kind in its first part; a workbook without its content is damaged.
    if (const Part* mime = named("mimetype")) {
        const std::optional<std::string> type = readPart(archive.get(), *mime);
        if (!type || !type->starts_with(kOdsMimeType) || !named("content.xml")) return refused(damaged());
        result.format = WorkbookFormat::Ods;
    } else if (!named("[Content_Types].xml")) {
        return refused(damaged());
    }

    std::string packed = repackedForReading(archive.get(), parts, result.format);
    if (packed.empty()) return refused(damaged());
    // The archive reads from the old bytes: it goes first.
    archive.reset();
    result.bytes = std::move(packed);
    return result;
}

}  // namespace excel
