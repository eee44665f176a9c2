// Little-endian encoding of the integers and IEEE floats that the suite's binary files hold.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace slab {

using Bytes = std::vector<std::uint8_t>;

/// Stores v at p, least significant byte first.
template <class T> void putLE(std::uint8_t* p, T v) {
    if constexpr (std::is_floating_point_v<T>) {
        using U = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
        putLE(p, std::bit_cast<U>(v));
    } else {
        using U = std::make_unsigned_t<T>;
        U u = static_cast<U>(v);
        for (std::size_t i = 0; i < sizeof(T); ++i)
            p[i] = static_cast<std::uint8_t>(u >> (8 * i));
    }
}

/// Reads a T stored least significant byte first at p.
template <class T> T getLE(const std::uint8_t* p) {
    if constexpr (std::is_floating_point_v<T>) {
        using U = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
        return std::bit_cast<T>(getLE<U>(p));
    } else {
        using U = std::make_unsigned_t<T>;
        U u = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            u |= static_cast<U>(U(p[i]) << (8 * i));
        return static_cast<T>(u);
    }
}

/// Writes text into a NUL-terminated text field of `width` bytes at p: at most width - 1
/// characters, the rest of the field zero.
void putTextField(std::uint8_t* p, std::size_t width, std::string_view text);

/// The text of a NUL-terminated field of `width` bytes at p; all of it when it holds no NUL.
std::string getTextField(const std::uint8_t* p, std::size_t width);

/// Writes UTF-8 text as Windows-1252, one byte per character, into a field of `width` bytes:
/// at most width - 1 characters. Returns false when the text did not fit whole (it is cut after
/// the last character that fits) or holds a character without a Windows-1252 form ("?").
bool putAnsiTextField(std::uint8_t* p, std::size_t width, std::string_view utf8);

/// The Windows-1252 text of a field as UTF-8.
std::string getAnsiTextField(const std::uint8_t* p, std::size_t width);

/// Why a text cannot be kept whole in a field of `characters` characters of Windows-1252, in
/// German; nullopt when it can.
std::optional<std::string> ansiFieldProblem(std::string_view utf8, std::size_t characters);

/// Field visitor that decodes a record from bytes; see the record field tables.
struct FieldReader {
    const std::uint8_t* base;
    template <class T> void operator()(std::size_t offset, T& field) const {
        if constexpr (requires { field.size(); }) {
            using E = typename T::value_type;
            for (std::size_t i = 0; i < field.size(); ++i)
                field[i] = getLE<E>(base + offset + i * sizeof(E));
        } else {
            field = getLE<T>(base + offset);
        }
    }
};

/// Field visitor that encodes a record into bytes; the counterpart of FieldReader.
struct FieldWriter {
    std::uint8_t* base;
    template <class T> void operator()(std::size_t offset, const T& field) const {
        if constexpr (requires { field.size(); }) {
            using E = typename T::value_type;
            for (std::size_t i = 0; i < field.size(); ++i)
                putLE<E>(base + offset + i * sizeof(E), field[i]);
        } else {
            putLE<T>(base + offset, field);
        }
    }
};

} // namespace slab
