#include "core/platform/module.h"

#include <dlfcn.h>
#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace quarn::platform {

namespace {

// Per thread, like GetLastError and dlerror, so concurrent loads do not
// overwrite each other's reasons.
thread_local std::string t_lastError;

void rememberSystemError()
{
    const char *text = dlerror();
    t_lastError = text ? text : "unknown error";
}

// File names on POSIX are bytes and the loader expects UTF-8; wchar_t there
// holds UTF-32. A code point that is no Unicode scalar value has no UTF-8 form,
// and substituting one could name a different file, so it fails instead.
bool toUtf8(const wchar_t *text, std::string *utf8)
{
    static_assert(sizeof(wchar_t) == 4, "wchar_t is expected to hold UTF-32 here");
    for (; *text; ++text) {
        const auto c = static_cast<char32_t>(*text);
        if (c < 0x80) {
            utf8->push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            utf8->push_back(static_cast<char>(0xC0 | (c >> 6)));
            utf8->push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            if (c >= 0xD800 && c <= 0xDFFF)
                return false;
            utf8->push_back(static_cast<char>(0xE0 | (c >> 12)));
            utf8->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            utf8->push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c <= 0x10FFFF) {
            utf8->push_back(static_cast<char>(0xF0 | (c >> 18)));
            utf8->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            utf8->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            utf8->push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            return false;
        }
    }
    return true;
}

// The ELF types of this process's own class (ElfW is from <link.h>).
using FileHeader = ElfW(Ehdr);
using ProgramHeader = ElfW(Phdr);

constexpr unsigned char kOwnClass = sizeof(void *) == 8 ? ELFCLASS64 : ELFCLASS32;
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr unsigned char kOwnByteOrder = ELFDATA2LSB;
#else
constexpr unsigned char kOwnByteOrder = ELFDATA2MSB;
#endif

#if defined(__x86_64__)
constexpr int kOwnMachine = EM_X86_64;
#elif defined(__i386__)
constexpr int kOwnMachine = EM_386;
#elif defined(__aarch64__)
constexpr int kOwnMachine = EM_AARCH64;
#elif defined(__arm__)
constexpr int kOwnMachine = EM_ARM;
#elif defined(__riscv)
constexpr int kOwnMachine = EM_RISCV;
#elif defined(__powerpc64__)
constexpr int kOwnMachine = EM_PPC64;
#elif defined(__s390x__)
constexpr int kOwnMachine = EM_S390;
#else
constexpr int kOwnMachine = EM_NONE; // unknown here: the loader decides
#endif

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }

    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

private:
    int m_fd;
};

// All of [offset, offset + size) from the file, or false.
bool readExactly(int fd, std::uint64_t offset, void *buffer, std::size_t size)
{
    auto *bytes = static_cast<char *>(buffer);
    while (size > 0) {
        const ssize_t got = ::pread(fd, bytes, size, off_t(offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        bytes += got;
        offset += std::uint64_t(got);
        size -= std::size_t(got);
    }
    return true;
}

// Worded like the loader's own reasons: the path, then why.
bool refuse(const char *path, const char *reason)
{
    t_lastError = std::string(path ? path : "") + ": " + reason;
    return false;
}

} // namespace

bool isWholeModuleFile(const char *path)
{
    if (!path || !*path)
        return refuse(path, "empty module path");
    const FileDescriptor file(::open(path, O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        return refuse(path, std::strerror(errno));
    struct stat status {
    };
    if (::fstat(file.get(), &status) != 0)
        return refuse(path, std::strerror(errno));
    if (!S_ISREG(status.st_mode))
        return refuse(path, "not a regular file");
    const auto fileSize = std::uint64_t(status.st_size);

    FileHeader header{};
    if (fileSize < sizeof header || !readExactly(file.get(), 0, &header, sizeof header))
        return refuse(path, "too short for an ELF header");
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
        return refuse(path, "not an ELF file");
    if (header.e_ident[EI_CLASS] != kOwnClass || header.e_ident[EI_DATA] != kOwnByteOrder)
        return refuse(path, "ELF file of another word size or byte order");
    if (header.e_type != ET_DYN)
        return refuse(path, "not an ELF shared object");
    if (kOwnMachine != EM_NONE && header.e_machine != kOwnMachine)
        return refuse(path, "ELF file for another machine");
    if (header.e_phentsize != sizeof(ProgramHeader) || header.e_phnum == 0 || header.e_phnum == PN_XNUM)
        return refuse(path, "ELF file without usable program headers");
    const std::uint64_t tableSize = std::uint64_t(header.e_phnum) * sizeof(ProgramHeader);
    if (header.e_phoff > fileSize || tableSize > fileSize - header.e_phoff)
        return refuse(path, "ELF program headers lie beyond the end of the file");

    bool anyLoadable = false;
    for (unsigned i = 0; i < header.e_phnum; ++i) {
        ProgramHeader segment{};
        if (!readExactly(file.get(), header.e_phoff + i * sizeof(ProgramHeader), &segment, sizeof segment))
            return refuse(path, "cannot read the ELF program headers");
        if (segment.p_type != PT_LOAD && segment.p_type != PT_DYNAMIC && segment.p_type != PT_INTERP)
            continue;
        anyLoadable = anyLoadable || segment.p_type == PT_LOAD;
        if (segment.p_offset > fileSize || segment.p_filesz > fileSize - segment.p_offset)
            return refuse(path, "ELF file cut short: a loadable segment lies beyond its end");
    }
    if (!anyLoadable)
        return refuse(path, "ELF file without loadable segments");
    return true;
}

ModuleHandle loadModule(const wchar_t *path)
{
    std::string utf8Path;
    if (!path || !toUtf8(path, &utf8Path)) {
        t_lastError = "module path is not valid Unicode";
        return nullptr;
    }
    // The loader maps what it is given and faults on a file cut short, and
    // takes "" for the program itself.
    if (!isWholeModuleFile(utf8Path.c_str()))
        return nullptr;
    // Bind everything now so a module with unresolved symbols fails here and
    // not in the middle of RegisterLayout; keep its symbols out of the global
    // scope so two layout modules cannot interpose each other's code.
    ModuleHandle module = dlopen(utf8Path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        rememberSystemError();
    return module;
}

ModuleFunction resolveSymbol(ModuleHandle module, const wchar_t *name)
{
    std::string utf8Name;
    if (!module || !name || !toUtf8(name, &utf8Name)) {
        t_lastError = "no module or invalid symbol name";
        return nullptr;
    }
    dlerror(); // drop a stale reason so the one reported below is dlsym's
    void *symbol = dlsym(module, utf8Name.c_str());
    if (!symbol)
        rememberSystemError();
    return reinterpret_cast<ModuleFunction>(symbol);
}

bool freeModule(ModuleHandle module)
{
    if (!module)
        return false;
    if (dlclose(module) != 0) {
        rememberSystemError();
        return false;
    }
    return true;
}

std::string lastModuleError()
{
    return t_lastError;
}

} // namespace quarn::platform
