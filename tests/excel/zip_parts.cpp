#include "zip_parts.h"

#include <zip.h>

#include <stdexcept>

ZipParts readZipParts(const std::string& path) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (!archive) throw std::runtime_error("cannot open " + path);
    ZipParts parts;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(archive, i, 0, &stat);
        std::string content(stat.size, '\0');
        zip_file_t* file = zip_fopen_index(archive, i, 0);
        zip_fread(file, content.data(), content.size());
        zip_fclose(file);
        parts.emplace_back(stat.name, std::move(content));
    }
    zip_discard(archive);
    return parts;
}

void writeZipParts(const ZipParts& parts, const std::string& path) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) throw std::runtime_error("cannot write " + path);
    for (const auto& [name, content] : parts) {
        zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
        zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    }
    if (zip_close(archive) != 0) throw std::runtime_error("cannot write " + path);
}

std::string& zipPart(ZipParts& parts, const std::string& name) {
    for (auto& [partName, content] : parts) {
        if (partName == name) return content;
    }
    throw std::runtime_error("no part " + name);
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

void replaceCell(std::string& worksheet, const std::string& reference, const std::string& element) {
    const std::size_t start = worksheet.find("<c r=\"" + reference + "\"");
    if (start == std::string::npos) throw std::runtime_error("no cell " + reference);
    const std::size_t tagEnd = worksheet.find('>', start);
    const std::size_t end = worksheet[tagEnd - 1] == '/' ? tagEnd + 1 : worksheet.find("</c>", start) + 4;
    worksheet.replace(start, end - start, element);
}
