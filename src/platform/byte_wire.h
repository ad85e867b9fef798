#pragma once

// Values passed between our own processes as bytes: fixed-size numbers in the machine's order and
// texts with their length before them. Both ends are the same build on the same machine, so no
// order or width is negotiated; the reader only refuses bytes that do not hold what it asks for.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace platform {

class ByteWriter {
public:
    void number(std::int32_t n) { raw(n); }
    void real(double d) { raw(d); }
    void text(std::string_view t) {
        number(static_cast<std::int32_t>(t.size()));
        bytes_ += t;
    }
    std::string take() { return std::move(bytes_); }

private:
    template <typename T>
    void raw(T value) { bytes_.append(reinterpret_cast<const char*>(&value), sizeof value); }

    std::string bytes_;
};

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : rest_(bytes) {}
    bool number(std::int32_t& n) { return raw(n); }
    bool real(double& d) { return raw(d); }
    // A count of things that follow, none beyond the limit.
    bool count(std::int32_t& n, std::int32_t limit) { return number(n) && n >= 0 && n <= limit; }
    bool flag(bool& b) {
        std::int32_t n = 0;
        if (!number(n) || (n != 0 && n != 1)) return false;
        b = n == 1;
        return true;
    }
    bool text(std::string& t) {
        std::int32_t size = 0;
        if (!count(size, static_cast<std::int32_t>(rest_.size()))) return false;
        t.assign(rest_.substr(0, static_cast<std::size_t>(size)));
        rest_.remove_prefix(static_cast<std::size_t>(size));
        return true;
    }
    bool done() const { return rest_.empty(); }

private:
    template <typename T>
    bool raw(T& value) {
        if (rest_.size() < sizeof value) return false;
        std::memcpy(&value, rest_.data(), sizeof value);
        rest_.remove_prefix(sizeof value);
        return true;
    }

    std::string_view rest_;
};

}  // namespace platform
