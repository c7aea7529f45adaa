#include "core/IniFile.h"

#include "core/DateCore.h"
#include "core/Errors.h"
#include "core/TextCodec.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory_resource>
#include <random>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <utility>

namespace qmr {

namespace {

namespace fs = std::filesystem;

// Ascii: no BOM and nothing but ASCII so far; the first write of other characters decides
// between Windows-1250 (when everything fits) and UTF-8 with BOM. Until then the lines
// written by this object are held as UTF-8.
enum class Enc : std::uint8_t { Ascii, Cp1250, Utf8, Utf8Bom, Utf16Le };

enum class Kind : std::uint8_t { Blank, Header, Entry, Keyless, Deleted };

constexpr std::uint32_t kNone = 0xFFFFFFFFu;
constexpr std::string_view kBomUtf8 = "\xEF\xBB\xBF";
constexpr std::string_view kBomUtf16 = "\xFF\xFE";
constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kCrLf16{"\r\0\n\0", 4};

bool IsTrimChar(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 0x09 && u <= 0x0D) || u == 0x20 || u == 0x1A;
}

std::string_view Trim(std::string_view s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && IsTrimChar(s[b]))
        ++b;
    while (e > b && IsTrimChar(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

// Matching outer quotes of a value are not part of it.
std::string_view Unquote(std::string_view v)
{
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

// The service drops trailing spaces of the default and its matching outer quotes.
std::string ProcessDefault(const std::string &def)
{
    std::string_view v(def);
    while (!v.empty() && v.back() == ' ')
        v.remove_suffix(1);
    return std::string(Unquote(v));
}

std::size_t BomLength(Enc e)
{
    return e == Enc::Utf8Bom ? kBomUtf8.size() : e == Enc::Utf16Le ? kBomUtf16.size() : 0;
}

// Eight bytes at a time. Not noexcept on purpose: the standard hash table then keeps each
// hash with its node instead of computing it again on every rehash.
struct SvHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const
    {
        const char *p = s.data();
        std::size_t n = s.size();
        std::uint64_t h = 0x9E3779B97F4A7C15ULL * (n + 1);
        std::uint64_t w;
        for (; n >= 8; p += 8, n -= 8) {
            std::memcpy(&w, p, 8);
            h = (h ^ w) * 0xFF51AFD7ED558CCDULL;
            h ^= h >> 32;
        }
        if (n) {
            w = 0;
            std::memcpy(&w, p, n);
            h = (h ^ w) * 0xC4CEB9FE1A85EC53ULL;
        }
        return static_cast<std::size_t>(h ^ (h >> 29));
    }
};
template <class V>
using NameMap = std::unordered_map<std::string, V, SvHash, std::equal_to<>>;
// The key indexes of a parse live in one memory pool (one allocation instead of one per key).
using KeyMap = std::pmr::unordered_map<std::pmr::string, std::uint32_t, SvHash, std::equal_to<>>;

struct Line {
    std::size_t off = 0; // raw bytes (line break included) in Impl::raw, or in Impl::owned[own]
    std::size_t len = 0;
    std::uint32_t own = kNone;
    Kind kind = Kind::Blank;
    bool comment = false;    // starts with ';': looked up, but never listed
    bool terminated = true;  // ends with a line break
    // Text in Impl::text: header: section name; entry: key and value (trimmed, quotes kept).
    std::uint32_t nameLen = 0, valueLen = 0;
    std::size_t nameOff = 0, valueOff = 0;
};

struct Section {
    explicit Section(std::pmr::memory_resource *pool) : keys(pool) {}
    bool hasHeader = false; // false for the lines before the first header
    bool erased = false;
    bool dupKeys = false;   // some key occurs twice (a deletion must look for the next one)
    Line header;
    std::vector<Line> lines;
    KeyMap keys; // folded key -> first line
};

struct Stamp {
    bool valid = false;
    bool exists = false;
    std::int64_t size = 0, sec = 0, nsec = 0;
    std::uint64_t ino = 0, dev = 0;
};

Stamp StampOf(const struct stat &st)
{
    Stamp s;
    s.valid = s.exists = true;
    s.size = st.st_size;
    s.sec = st.st_mtim.tv_sec;
    s.nsec = st.st_mtim.tv_nsec;
    s.ino = st.st_ino;
    s.dev = st.st_dev;
    return s;
}

Stamp StatNow(const std::string &path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) == 0)
        return StampOf(st);
    Stamp s;
    s.valid = errno == ENOENT || errno == ENOTDIR;
    return s;
}

bool Same(const Stamp &a, const Stamp &b)
{
    if (!a.valid || !b.valid || a.exists != b.exists)
        return false;
    return !a.exists || (a.size == b.size && a.sec == b.sec && a.nsec == b.nsec && a.ino == b.ino && a.dev == b.dev);
}

// 0, or the errno of the failure.
int ReadWholeFile(const std::string &path, std::string &bytes, Stamp &stamp)
{
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        return err;
    }
    stamp = StampOf(st);
    if (st.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buf[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            bytes.clear();
            return err;
        }
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return 0;
}

std::string WriteErrorText(const std::string &path, const std::string &reason)
{
    return "Cannot write file \"" + path + "\": " + reason;
}

// Temporary file in the same folder, synced, then renamed over the target.
void AtomicWrite(const std::string &path, std::string_view bytes,
                 const std::function<void(const std::string &)> &hook)
{
    std::string target = path;
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        const fs::path link = fs::read_symlink(target, ec);
        if (!ec)
            target = (link.is_absolute() ? link : fs::path(target).parent_path() / link).string();
    }
    const fs::path tp(target);
    const fs::path dir = tp.has_parent_path() ? tp.parent_path() : fs::path(".");
    const std::string base = tp.filename().string();

    mode_t mode = 0666;
    bool keepMode = false;
    struct stat st;
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        mode = st.st_mode & 07777;
        keepMode = true;
    }

    thread_local std::mt19937_64 rng{std::random_device{}()};
    std::string tmp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(rng()));
        tmp = (dir / ("." + base + suffix)).string();
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        throw EFileError(WriteErrorText(path, std::strerror(errno)));

    auto fail = [&](const std::string &reason) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(tmp.c_str());
        throw EFileError(WriteErrorText(path, reason));
    };

    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(std::strerror(errno));
        }
        done += static_cast<std::size_t>(n);
    }
    if (keepMode)
        (void)::fchmod(fd, mode);
    if (::fsync(fd) != 0)
        fail(std::strerror(errno));
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        fail(std::strerror(errno));
    if (hook) {
        try {
            hook(tmp);
        } catch (const std::exception &e) {
            fail(e.what());
        } catch (...) {
            fail("aborted");
        }
    }
    if (::rename(tmp.c_str(), target.c_str()) != 0)
        fail(std::strerror(errno));
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        (void)::fsync(dfd);
        ::close(dfd);
    }
}


// Folds a name that needs no cleaning (printable ASCII, nothing to trim) in one pass;
// false for anything else.
bool FastFold(std::string_view in, std::string &out)
{
    constexpr std::uint64_t k01 = 0x0101010101010101ULL, k80 = 0x8080808080808080ULL;
    const std::size_t n = in.size();
    if (n == 0 || in.front() == ' ' || in.back() == ' ')
        return false;
    out.resize(n);
    const char *p = in.data();
    char *o = out.data();
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t w;
        std::memcpy(&w, p + i, 8);
        const std::uint64_t del = w ^ (0x7F * k01);
        // Any byte >= 0x80, < 0x20 or == 0x7F?
        if ((w | ((w - 0x20 * k01) & ~w) | ((del - k01) & ~del)) & k80)
            return false;
        // 'A'..'Z' get 0x20 added.
        const std::uint64_t aboveZ = w + (0x7F - 'Z') * k01;
        const std::uint64_t fromA = w + (0x80 - 'A') * k01;
        w |= ((fromA & ~aboveZ) & k80) >> 2;
        std::memcpy(o + i, &w, 8);
    }
    for (; i < n; ++i) {
        const auto c = static_cast<unsigned char>(p[i]);
        if (c < 0x20 || c >= 0x7F)
            return false;
        o[i] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    return true;
}

void SetText(std::string_view name, std::string_view value, Line &line, std::string &arena)
{
    line.nameOff = arena.size();
    line.nameLen = static_cast<std::uint32_t>(name.size());
    arena.append(name);
    line.valueOff = arena.size();
    line.valueLen = static_cast<std::uint32_t>(value.size());
    arena.append(value);
}

void ParseText(std::string_view t, Line &line, std::string &arena)
{
    const std::string_view s = Trim(t);
    line.nameLen = line.valueLen = 0;
    line.comment = false;
    if (s.empty()) {
        line.kind = Kind::Blank;
        return;
    }
    if (s.front() == '[') {
        const std::size_t close = s.rfind(']');
        if (close != std::string_view::npos) {
            line.kind = Kind::Header;
            SetText(Trim(s.substr(1, close - 1)), {}, line, arena);
            return;
        }
    }
    line.comment = s.front() == ';';
    const std::size_t eq = s.find('=');
    if (eq == std::string_view::npos) {
        line.kind = Kind::Keyless;
        return;
    }
    line.kind = Kind::Entry;
    SetText(Trim(s.substr(0, eq)), Trim(s.substr(eq + 1)), line, arena);
}

} // namespace

struct IniFile::Impl {
    std::string path;
    std::string raw;                 // the file as last read (untouched lines point into it)
    std::vector<std::string> owned;  // raw bytes of the lines written since
    std::string text;                // names and values of all lines, as UTF-8
    Enc enc = Enc::Ascii;
    std::unique_ptr<std::pmr::monotonic_buffer_resource> pool; // before sections: outlives them
    std::vector<Section> sections;   // [0] holds the lines before the first header
    NameMap<std::vector<std::uint32_t>> sectionIndex; // folded name -> sections in file order
    Stamp stamp;
    bool loaded = false;
    bool readError = false;
    int readErrno = 0;
    bool dirty = false;
    bool autoFlush = true;
    bool checkOnRead = true;
    std::uint64_t parseCount = 0;
    std::function<void(const std::string &)> replaceHook;
    std::string fold1, fold2, scratch, nameBuf1, nameBuf2;
    // Reads tend to ask one section many times: the last section argument and what it found.
    std::uint64_t generation = 0; // changes whenever sections are added, erased or parsed
    std::string lastSectionArg;
    std::uint32_t lastSection = kNone;
    std::uint64_t lastGeneration = ~std::uint64_t(0);

    std::string_view lineBreak() const { return enc == Enc::Utf16Le ? kCrLf16 : kCrLf; }

    std::string_view nameOf(const Line &l) const { return std::string_view(text).substr(l.nameOff, l.nameLen); }
    std::string_view valueOf(const Line &l) const { return std::string_view(text).substr(l.valueOff, l.valueLen); }
    std::string_view nameOf(const Section &s) const { return nameOf(s.header); }

    std::string_view rawOf(const Line &l) const
    {
        return std::string_view(l.own == kNone ? raw : owned[l.own]).substr(l.off, l.len);
    }

    // Text of a line's bytes (without the line break) up to a NUL, as UTF-8.
    std::string_view decode(std::string_view content, std::string &buf) const
    {
        if (enc == Enc::Utf16Le) {
            std::size_t n = content.size();
            for (std::size_t k = 0; k + 1 < content.size(); k += 2)
                if (content[k] == 0 && content[k + 1] == 0) {
                    n = k;
                    break;
                }
            text::Utf16LeToUtf8(content.substr(0, n), buf);
            return buf;
        }
        const std::size_t nul = content.find('\0');
        if (nul != std::string_view::npos)
            content = content.substr(0, nul);
        if (text::IsAscii(content))
            return content;
        if (enc == Enc::Cp1250) {
            text::Cp1250ToUtf8(content, buf);
            return buf;
        }
        if (text::IsValidUtf8(content))
            return content;
        text::SanitizeUtf8(content, buf);
        return buf;
    }

    void encode(std::string_view utf8, std::string &out) const
    {
        switch (enc) {
        case Enc::Cp1250:
            text::Utf8ToCp1250(utf8, out);
            break;
        case Enc::Utf16Le:
            text::Utf8ToUtf16Le(utf8, out);
            break;
        default:
            text::SanitizeUtf8(utf8, out);
            break;
        }
    }

    // A name or value as the file would hold it: cut at a NUL, CR/LF as spaces, trimmed,
    // and for a Windows-1250 file with the characters it cannot hold as '?'.
    std::string_view clean(const std::string &in, std::string &buf) const
    {
        std::string_view v(in);
        bool breaks = false, ascii = true;
        for (std::size_t i = 0; i < v.size(); ++i) {
            const auto c = static_cast<unsigned char>(v[i]);
            if (c == 0) {
                v = v.substr(0, i);
                break;
            }
            breaks |= c == '\r' || c == '\n';
            ascii &= c < 0x80;
        }
        if (breaks) {
            std::string tmp(v);
            for (char &c : tmp)
                if (c == '\r' || c == '\n')
                    c = ' ';
            buf.swap(tmp);
            v = buf;
        }
        v = Trim(v);
        if (!ascii) {
            std::string tmp;
            if (enc == Enc::Cp1250) {
                if (!text::FitsCp1250(v)) {
                    text::Utf8ToCp1250(v, tmp);
                    text::Cp1250ToUtf8(tmp, buf);
                    v = buf;
                }
            } else if (!text::IsValidUtf8(v)) {
                text::SanitizeUtf8(v, tmp);
                buf.swap(tmp);
                v = buf;
            }
        }
        return v;
    }

    void clearModel(std::size_t sizeHint = 0)
    {
        ++generation;
        raw.clear();
        owned.clear();
        text.clear();
        sections.clear();
        sectionIndex.clear();
        pool = std::make_unique<std::pmr::monotonic_buffer_resource>(std::max<std::size_t>(4096, sizeHint));
        sections.emplace_back(pool.get());
        enc = Enc::Ascii;
    }

    // False when the key was there already (a duplicate).
    bool addKey(Section &s, std::string_view folded, std::uint32_t line)
    {
        return s.keys.try_emplace(std::pmr::string(folded, pool.get()), line).second;
    }

    void addParsed(Line &&line)
    {
        if (line.kind == Kind::Header) {
            Section s(pool.get());
            s.hasHeader = true;
            s.header = std::move(line);
            sections.push_back(std::move(s));
            return;
        }
        Section &s = sections.back();
        if (line.kind == Kind::Entry) {
            text::FoldCase(nameOf(line), fold1);
            if (!addKey(s, fold1, static_cast<std::uint32_t>(s.lines.size())))
                s.dupKeys = true;
        }
        s.lines.push_back(std::move(line));
    }

    void buildSectionIndex()
    {
        sectionIndex.clear();
        for (std::size_t i = 0; i < sections.size(); ++i) {
            const Section &s = sections[i];
            if (s.erased)
                continue;
            if (!s.hasHeader) {
                bool any = false;
                for (const Line &l : s.lines)
                    if (l.kind != Kind::Blank && l.kind != Kind::Deleted) {
                        any = true;
                        break;
                    }
                if (!any)
                    continue;
            }
            text::FoldCase(nameOf(s), fold1);
            sectionIndex[fold1].push_back(static_cast<std::uint32_t>(i));
        }
    }

    void parseAs(std::string &&bytes, Enc e, std::size_t start)
    {
        clearModel(std::min<std::size_t>(bytes.size() / 8, 1u << 20));
        enc = e;
        raw = std::move(bytes);
        const std::size_t size = raw.size();
        text.reserve(size - std::min(start, size));
        std::size_t pos = start;
        // Next CR and LF at or after pos; each is searched again only once passed, so that
        // a file using just one of them is still scanned once.
        const char *p = raw.data();
        auto next = [&](char c, std::size_t from) {
            const void *q = std::memchr(p + from, c, size - from);
            return q ? static_cast<std::size_t>(static_cast<const char *>(q) - p) : size;
        };
        std::size_t nextCr = 0, nextLf = 0;
        bool searched = false;
        while (pos < size) {
            std::size_t end = pos, brk = 0;
            if (enc == Enc::Utf16Le) {
                while (end + 1 < size && !(raw[end + 1] == 0 && (raw[end] == '\r' || raw[end] == '\n')))
                    end += 2;
                if (end + 1 >= size) {
                    end = size;
                } else {
                    brk = 2;
                    if (raw[end] == '\r' && end + 3 < size && raw[end + 2] == '\n' && raw[end + 3] == 0)
                        brk = 4;
                }
            } else {
                if (!searched || nextCr < pos)
                    nextCr = next('\r', pos);
                if (!searched || nextLf < pos)
                    nextLf = next('\n', pos);
                searched = true;
                end = std::min(nextCr, nextLf);
                if (end < size)
                    brk = (p[end] == '\r' && end + 1 < size && p[end + 1] == '\n') ? 2 : 1;
            }
            Line line;
            line.off = pos;
            line.len = end - pos + brk;
            line.terminated = brk > 0;
            ParseText(decode(std::string_view(raw).substr(pos, end - pos), scratch), line, text);
            addParsed(std::move(line));
            pos = end + brk;
        }
        buildSectionIndex();
    }

    void parse(std::string &&bytes)
    {
        const std::string_view b(bytes);
        Enc e;
        if (b.substr(0, 3) == kBomUtf8)
            e = Enc::Utf8Bom;
        else if (b.substr(0, 2) == kBomUtf16)
            e = Enc::Utf16Le;
        else if (text::IsAscii(b))
            e = Enc::Ascii;
        else if (text::IsValidUtf8(b))
            e = Enc::Utf8;
        else
            e = Enc::Cp1250;
        parseAs(std::move(bytes), e, BomLength(e));
    }

    void load()
    {
        loaded = true;
        readError = false;
        dirty = false;
        std::string bytes;
        Stamp st;
        const int err = ReadWholeFile(path, bytes, st);
        if (err == ENOENT || err == ENOTDIR) {
            clearModel();
            stamp = Stamp{};
            stamp.valid = true;
            return;
        }
        if (err != 0) {
            clearModel();
            readError = true;
            readErrno = err;
            stamp = Stamp{};
            return;
        }
        ++parseCount;
        parse(std::move(bytes));
        stamp = st;
    }

    void ensureFresh(bool forWrite)
    {
        if (dirty)
            return;
        if (!loaded)
            load();
        else if (forWrite || checkOnRead) {
            if (!Same(stamp, StatNow(path)))
                load();
        }
        if (forWrite && readError)
            throw EFileError("Cannot read file \"" + path + "\": " + std::strerror(readErrno));
    }

    void serialize(std::string &out) const
    {
        out.clear();
        out.reserve(raw.size() + 256);
        if (enc == Enc::Utf8Bom)
            out.append(kBomUtf8);
        else if (enc == Enc::Utf16Le)
            out.append(kBomUtf16);
        bool open = false; // the last line written has no line break
        auto emit = [&](const Line &l) {
            if (l.kind == Kind::Deleted)
                return;
            if (open) {
                if (enc == Enc::Utf16Le && out.size() % 2) {
                    // A stray odd byte ended the UTF-16 file; it reads as U+FFFD, so that is
                    // what it becomes before more lines follow.
                    out.pop_back();
                    out.append("\xFD\xFF");
                }
                out.append(lineBreak());
            }
            out.append(rawOf(l));
            open = !l.terminated;
        };
        for (const Section &s : sections) {
            if (s.erased)
                continue;
            if (s.hasHeader)
                emit(s.header);
            for (const Line &l : s.lines)
                emit(l);
        }
    }

    // Parses the current text again (after a write produced a line of another kind than meant).
    void rebase()
    {
        std::string bytes;
        serialize(bytes);
        const Enc e = enc;
        parseAs(std::move(bytes), e, BomLength(e));
    }

    void flush()
    {
        std::string bytes;
        serialize(bytes);
        // Windows-1250 bytes that happen to be valid UTF-8 ("PÓŁKA" is P D3 A3 K A) would be
        // read back as UTF-8, so such a text is stored as UTF-8 with BOM instead.
        Enc newEnc = enc;
        if (enc == Enc::Ascii && !text::IsAscii(bytes)) {
            std::string conv;
            bool cp1250 = text::FitsCp1250(bytes);
            if (cp1250) {
                text::Utf8ToCp1250(bytes, conv);
                cp1250 = !text::IsValidUtf8(conv);
            }
            if (cp1250) {
                newEnc = Enc::Cp1250;
            } else {
                conv.assign(kBomUtf8);
                conv += bytes;
                newEnc = Enc::Utf8Bom;
            }
            bytes.swap(conv);
        } else if (enc == Enc::Cp1250 && !text::IsAscii(bytes) && text::IsValidUtf8(bytes)) {
            std::string conv(kBomUtf8);
            conv += text::Cp1250ToUtf8(bytes);
            bytes.swap(conv);
            newEnc = Enc::Utf8Bom;
        }
        AtomicWrite(path, bytes, replaceHook);
        dirty = false;
        if (newEnc != enc)
            parseAs(std::move(bytes), newEnc, BomLength(newEnc));
        stamp = StatNow(path);
    }

    // A change is in memory: write it now unless writes are batched. A failed write drops
    // the change so that reads keep showing the file.
    void changed()
    {
        dirty = true;
        if (!autoFlush)
            return;
        try {
            flush();
        } catch (...) {
            dirty = false;
            loaded = false;
            throw;
        }
    }

    std::uint32_t findSection(std::string_view name)
    {
        text::FoldCase(name, fold1);
        const auto it = sectionIndex.find(std::string_view(fold1));
        if (it == sectionIndex.end() || it->second.empty())
            return kNone;
        return it->second.front();
    }

    std::uint32_t findEntry(const Section &s, std::string_view key)
    {
        text::FoldCase(key, fold2);
        const auto it = s.keys.find(std::string_view(fold2));
        return it == s.keys.end() ? kNone : it->second;
    }

    std::uint32_t findSectionArg(const std::string &section)
    {
        if (lastGeneration == generation && section == lastSectionArg)
            return lastSection;
        lastSection = findSection(clean(section, nameBuf1));
        lastSectionArg = section;
        lastGeneration = generation;
        return lastSection;
    }

    const Line *lookup(const std::string &section, const std::string &ident)
    {
        const std::uint32_t si = findSectionArg(section);
        if (si == kNone)
            return nullptr;
        const Section &s = sections[si];
        std::uint32_t k;
        if (FastFold(ident, fold2)) {
            const auto it = s.keys.find(std::string_view(fold2));
            k = it == s.keys.end() ? kNone : it->second;
        } else {
            k = findEntry(s, clean(ident, nameBuf2));
        }
        return k == kNone ? nullptr : &s.lines[k];
    }

    Line makeLine(std::string_view utf8)
    {
        std::string bytes;
        encode(utf8, bytes);
        bytes.append(lineBreak());
        owned.push_back(std::move(bytes));
        Line l;
        l.own = static_cast<std::uint32_t>(owned.size() - 1);
        l.len = owned.back().size();
        const std::string_view content = rawOf(l).substr(0, l.len - lineBreak().size());
        ParseText(decode(content, scratch), l, text);
        return l;
    }

    void rebuildKeys(Section &s)
    {
        s.keys.clear();
        s.dupKeys = false;
        for (std::size_t i = 0; i < s.lines.size(); ++i)
            if (s.lines[i].kind == Kind::Entry) {
                text::FoldCase(nameOf(s.lines[i]), fold1);
                if (!addKey(s, fold1, static_cast<std::uint32_t>(i)))
                    s.dupKeys = true;
            }
    }

    // Byte offset just after the first '=' of an entry line's raw bytes.
    std::size_t afterEquals(std::string_view r) const
    {
        if (enc == Enc::Utf16Le) {
            for (std::size_t k = 0; k + 1 < r.size(); k += 2)
                if (r[k] == '=' && r[k + 1] == 0)
                    return k + 2;
            return r.size();
        }
        const std::size_t eq = r.find('=');
        return eq == std::string_view::npos ? r.size() : eq + 1;
    }

    // The stored key text is kept as it is; only the value and the line break are new.
    void modifyValue(Section &s, std::uint32_t idx, std::string_view value)
    {
        Line &l = s.lines[idx];
        const std::string_view r = rawOf(l);
        std::string bytes(r.substr(0, afterEquals(r)));
        std::string v;
        encode(value, v);
        bytes += v;
        bytes.append(lineBreak());
        owned.push_back(std::move(bytes));
        l.own = static_cast<std::uint32_t>(owned.size() - 1);
        l.off = 0;
        l.len = owned.back().size();
        l.terminated = true;
        const std::string_view content = rawOf(l).substr(0, l.len - lineBreak().size());
        ParseText(decode(content, scratch), l, text);
        if (l.kind != Kind::Entry)
            rebase();
    }

    bool liveLine(const Line &l) const { return l.kind != Kind::Blank && l.kind != Kind::Deleted; }

    // After the last line of the section that is not blank, so that blank lines separating
    // it from the next section stay after the new key; but a block of ';' comments that
    // directly precedes the next header belongs to that header and stays with it.
    std::size_t insertionPoint(std::uint32_t si) const
    {
        const Section &s = sections[si];
        std::ptrdiff_t last = static_cast<std::ptrdiff_t>(s.lines.size()) - 1;
        while (last >= 0 && !liveLine(s.lines[static_cast<std::size_t>(last)]))
            --last;
        if (last < 0)
            return 0;
        bool followed = false;
        for (std::size_t j = si + 1; j < sections.size() && !followed; ++j)
            followed = !sections[j].erased;
        if (!followed || !s.lines[static_cast<std::size_t>(last)].comment)
            return static_cast<std::size_t>(last) + 1;
        for (std::size_t i = static_cast<std::size_t>(last) + 1; i < s.lines.size(); ++i)
            if (s.lines[i].kind == Kind::Blank)
                return static_cast<std::size_t>(last) + 1;
        std::ptrdiff_t r = last;
        while (r > 0 && (s.lines[static_cast<std::size_t>(r - 1)].comment ||
                         s.lines[static_cast<std::size_t>(r - 1)].kind == Kind::Deleted))
            --r;
        std::ptrdiff_t q = r - 1;
        while (q >= 0 && !liveLine(s.lines[static_cast<std::size_t>(q)]))
            --q;
        return static_cast<std::size_t>(q + 1);
    }

    static std::string EntryText(std::string_view key, std::string_view value)
    {
        std::string t;
        t.reserve(key.size() + value.size() + 1);
        t.append(key);
        t += '=';
        t.append(value);
        return t;
    }

    void insertEntry(std::uint32_t si, std::string_view key, std::string_view value)
    {
        const std::size_t pos = insertionPoint(si);
        Line l = makeLine(EntryText(key, value));
        Section &s = sections[si];
        bool entriesAfter = false;
        for (std::size_t i = pos; i < s.lines.size() && !entriesAfter; ++i)
            entriesAfter = s.lines[i].kind == Kind::Entry;
        const Kind kind = l.kind;
        s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(pos), std::move(l));
        if (kind != Kind::Entry) {
            rebase();
            return;
        }
        if (entriesAfter) {
            rebuildKeys(s);
        } else {
            text::FoldCase(nameOf(s.lines[pos]), fold1);
            if (!addKey(s, fold1, static_cast<std::uint32_t>(pos)))
                s.dupKeys = true;
        }
    }

    void appendSection(std::string_view name, std::string_view key, std::string_view value)
    {
        Section ns(pool.get());
        ns.hasHeader = true;
        std::string h;
        h.reserve(name.size() + 2);
        h += '[';
        h.append(name);
        h += ']';
        ns.header = makeLine(h);
        ns.lines.push_back(makeLine(EntryText(key, value)));
        const bool odd = ns.header.kind != Kind::Header || ns.lines[0].kind != Kind::Entry;
        rebuildKeys(ns);
        sections.push_back(std::move(ns));
        ++generation;
        if (odd) {
            rebase();
            return;
        }
        text::FoldCase(nameOf(sections.back()), fold1);
        sectionIndex[fold1].push_back(static_cast<std::uint32_t>(sections.size() - 1));
    }

    void deleteEntry(Section &s, std::uint32_t idx)
    {
        Line &l = s.lines[idx];
        const std::string folded = text::FoldCase(nameOf(l));
        l.kind = Kind::Deleted;
        l.nameLen = l.valueLen = 0;
        if (const auto it = s.keys.find(std::string_view(folded)); it != s.keys.end())
            s.keys.erase(it);
        if (!s.dupKeys)
            return;
        for (std::size_t i = idx + 1; i < s.lines.size(); ++i)
            if (s.lines[i].kind == Kind::Entry && text::FoldCase(nameOf(s.lines[i])) == folded) {
                addKey(s, folded, static_cast<std::uint32_t>(i));
                break;
            }
    }

    void eraseSection(std::uint32_t si)
    {
        Section &s = sections[si];
        const std::string folded = text::FoldCase(nameOf(s));
        ++generation;
        s.erased = true;
        s.lines = std::vector<Line>();
        s.keys.clear();
        const auto it = sectionIndex.find(std::string_view(folded));
        if (it == sectionIndex.end())
            return;
        auto &v = it->second;
        for (auto p = v.begin(); p != v.end(); ++p)
            if (*p == si) {
                v.erase(p);
                break;
            }
        if (v.empty())
            sectionIndex.erase(it);
    }

    bool listed(const Line &l) const { return l.kind == Kind::Entry && !l.comment && l.nameLen > 0; }
};

IniFile::IniFile(std::string fileName) : d(std::make_unique<Impl>())
{
    d->path = ResolveNoCase(fileName);
    d->load();
}

IniFile::~IniFile()
{
    if (d && d->dirty) {
        try {
            d->flush();
        } catch (...) {
            // Nothing can be reported from here; UpdateFile reports write errors.
        }
    }
}

const std::string &IniFile::FileName() const
{
    return d->path;
}

std::string IniFile::ReadString(const std::string &Section, const std::string &Ident,
                                const std::string &Default) const
{
    d->ensureFresh(false);
    if (const Line *l = d->lookup(Section, Ident))
        return std::string(Unquote(d->valueOf(*l)));
    return ProcessDefault(Default);
}

int IniFile::ReadInteger(const std::string &Section, const std::string &Ident, int Default) const
{
    const std::string s = ReadString(Section, Ident, "");
    int v = 0;
    return text::TryParseInt32(s, v) ? v : Default;
}

bool IniFile::ReadBool(const std::string &Section, const std::string &Ident, bool Default) const
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

double IniFile::ReadDate(const std::string &Section, const std::string &Ident, double Default) const
{
    const std::string s = ReadString(Section, Ident, "");
    double v = 0;
    if (s.empty() || !TryParseDate(s, v))
        return Default;
    return v;
}

void IniFile::WriteString(const std::string &Section, const std::string &Ident, const std::string &Value)
{
    d->ensureFresh(true);
    std::string sb, kb, vb;
    const std::string_view sec = d->clean(Section, sb);
    const std::string_view key = d->clean(Ident, kb);
    const std::string_view val = d->clean(Value, vb);
    const std::uint32_t si = d->findSection(sec);
    if (si == kNone) {
        d->appendSection(sec, key, val);
    } else {
        auto &s = d->sections[si];
        const std::uint32_t k = d->findEntry(s, key);
        if (k == kNone)
            d->insertEntry(si, key, val);
        else if (d->valueOf(s.lines[k]) == val)
            return;
        else
            d->modifyValue(s, k, val);
    }
    d->changed();
}

void IniFile::WriteInteger(const std::string &Section, const std::string &Ident, int Value)
{
    IniFile::WriteString(Section, Ident, std::to_string(Value));
}

void IniFile::WriteBool(const std::string &Section, const std::string &Ident, bool Value)
{
    IniFile::WriteString(Section, Ident, Value ? "1" : "0");
}

void IniFile::WriteDate(const std::string &Section, const std::string &Ident, double Value)
{
    WriteString(Section, Ident, FormatDate(Value));
}

void IniFile::DeleteKey(const std::string &Section, const std::string &Ident)
{
    d->ensureFresh(true);
    std::string sb, kb;
    const std::uint32_t si = d->findSection(d->clean(Section, sb));
    if (si == kNone)
        return;
    auto &s = d->sections[si];
    const std::uint32_t k = d->findEntry(s, d->clean(Ident, kb));
    if (k == kNone)
        return;
    d->deleteEntry(s, k);
    d->changed();
}

void IniFile::EraseSection(const std::string &Section)
{
    d->ensureFresh(true);
    std::string sb;
    const std::uint32_t si = d->findSection(d->clean(Section, sb));
    if (si == kNone)
        return;
    d->eraseSection(si);
    d->changed();
}

std::vector<std::string> IniFile::ReadSections() const
{
    d->ensureFresh(false);
    std::vector<std::string> out;
    for (const auto &s : d->sections)
        if (s.hasHeader && !s.erased && s.header.nameLen > 0)
            out.emplace_back(d->nameOf(s));
    return out;
}

std::vector<std::string> IniFile::ReadSection(const std::string &Section) const
{
    d->ensureFresh(false);
    std::vector<std::string> out;
    const std::uint32_t si = d->findSectionArg(Section);
    if (si == kNone)
        return out;
    for (const Line &l : d->sections[si].lines)
        if (d->listed(l))
            out.emplace_back(d->nameOf(l));
    return out;
}

bool IniFile::SectionExists(const std::string &Section) const
{
    d->ensureFresh(false);
    const std::uint32_t si = d->findSectionArg(Section);
    if (si == kNone)
        return false;
    for (const Line &l : d->sections[si].lines)
        if (d->listed(l))
            return true;
    return false;
}

bool IniFile::ValueExists(const std::string &Section, const std::string &Ident) const
{
    d->ensureFresh(false);
    const Line *l = d->lookup(Section, Ident);
    return l && d->listed(*l);
}

void IniFile::UpdateFile()
{
    if (d->dirty)
        d->flush();
}

void IniFile::SetAutoFlush(bool on)
{
    d->autoFlush = on;
}

void IniFile::SetCheckOnRead(bool on)
{
    d->checkOnRead = on;
}

bool IniFile::Refresh() const
{
    if (d->dirty)
        return false;
    if (d->loaded && Same(d->stamp, StatNow(d->path)))
        return false;
    d->load();
    return true;
}

std::uint64_t IniFile::ParseCount() const
{
    return d->parseCount;
}

void IniFile::SetReplaceHookForTest(std::function<void(const std::string &)> hook)
{
    d->replaceHook = std::move(hook);
}

void IniFile::Batch(const std::function<void()> &fn)
{
    if (!d->autoFlush) {
        fn();
        return;
    }
    d->autoFlush = false;
    try {
        fn();
    } catch (...) {
        d->autoFlush = true;
        if (d->dirty) {
            d->dirty = false;
            d->loaded = false;
        }
        throw;
    }
    d->autoFlush = true;
    if (d->dirty)
        d->changed();
}

// A name that does not exist as written is looked up component by component without
// regard to case; the first component not found ends the search (the rest stays as written).
std::string ResolveNoCase(const std::string &name)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (name.empty())
        return name;
    const fs::path p(name);
    if (fs::symlink_status(p, ec).type() != fs::file_type::not_found && !ec)
        return name;
    fs::path cur = p.root_path();
    bool lost = false;
    for (const fs::path &comp : p.relative_path()) {
        const std::string c = comp.string();
        if (lost || c.empty() || c == "." || c == "..") {
            cur /= comp;
            continue;
        }
        const fs::path cand = cur / comp;
        ec.clear();
        if (fs::symlink_status(cand, ec).type() != fs::file_type::not_found && !ec) {
            cur = cand;
            continue;
        }
        const std::string want = text::FoldCase(c);
        std::string best;
        ec.clear();
        fs::directory_iterator it(cur.empty() ? fs::path(".") : cur, ec);
        for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
            const std::string n = it->path().filename().string();
            if ((best.empty() || n < best) && text::FoldCase(n) == want)
                best = n;
        }
        if (best.empty()) {
            cur = cand;
            lost = true;
        } else {
            cur /= best;
        }
    }
    return cur.string();
}

} // namespace qmr
