// velinor-metafile FILE: draws a Windows Metafile and writes the picture to
// standard output, for the program's metafile reader (metafile_reader.h).
//
// It runs as a process of its own because a metafile's cost cannot be known
// before it is drawn: eighty bytes can claim a canvas of 8000 x 8000, a few
// kilobytes of shapes take minutes, and when the drawing library runs out of
// memory or time it ends the whole process. Here that ends only this process,
// which has a bounded address space and is stopped by the reader after a few
// seconds.
//
// Output: the width and height (two 32-bit numbers in the machine's order),
// then, unless the picture is refused, its rows as blue, green, red, alpha
// bytes. Exit code 0: drawn; 3: unreadable; 4: larger than MaximumPixels.

#include <Magick++.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr std::uint32_t MaximumSide = 8192;
constexpr std::uint64_t MaximumPixels = 16ull * 1024 * 1024;
constexpr rlim_t AddressSpace = 512ull * 1024 * 1024;
constexpr rlim_t ProcessorSeconds = 10; // a last stop, should the reader not be there to stop it
constexpr int Unreadable = 3, TooLarge = 4;

bool writeAll(int fd, const void* data, std::size_t size)
{
    for (auto* at = static_cast<const char*>(data); size > 0;) {
        const ssize_t written = ::write(fd, at, size);
        if (written <= 0)
            return false;
        at += written;
        size -= std::size_t(written);
    }
    return true;
}

void bound()
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL); // ends with the program that asked
#if !defined(__SANITIZE_ADDRESS__)
    // (The address sanitizer of a test build reserves terabytes of address space for itself.)
    const rlimit space{AddressSpace, AddressSpace};
    ::setrlimit(RLIMIT_AS, &space);
#endif
    const rlimit processor{ProcessorSeconds, ProcessorSeconds + 1};
    ::setrlimit(RLIMIT_CPU, &processor);
    using namespace MagickCore;
    SetMagickResourceLimit(WidthResource, MaximumSide);
    SetMagickResourceLimit(HeightResource, MaximumSide);
    SetMagickResourceLimit(MemoryResource, 256ull * 1024 * 1024);
    // No pixel cache in mapped or temporary files, so a stopped drawing leaves nothing in /tmp.
    SetMagickResourceLimit(MapResource, 0);
    SetMagickResourceLimit(DiskResource, 0);
}

int render(const char* path, int out)
{
    Magick::Image picture;
    picture.density(Magick::Geometry(96, 96));
    picture.ping(path);
    const std::uint32_t size[2] = {std::uint32_t(picture.columns()), std::uint32_t(picture.rows())};
    if (!writeAll(out, size, sizeof size) || size[0] == 0 || size[1] == 0)
        return Unreadable;
    if (size[0] > MaximumSide || size[1] > MaximumSide || std::uint64_t(size[0]) * size[1] > MaximumPixels)
        return TooLarge;
    picture.backgroundColor(Magick::Color("white"));
    picture.read(path);
    if (picture.columns() != size[0] || picture.rows() != size[1])
        return Unreadable;
    constexpr std::uint32_t Band = 64;
    std::vector<unsigned char> rows(std::size_t(size[0]) * 4 * Band);
    for (std::uint32_t y = 0; y < size[1]; y += Band) {
        const std::uint32_t count = std::min(Band, size[1] - y);
        picture.write(0, y, size[0], count, "BGRA", Magick::CharPixel, rows.data());
        if (!writeAll(out, rows.data(), std::size_t(size[0]) * 4 * count))
            return Unreadable;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("gebruik: velinor-metafile BESTAND.wmf\n", stderr);
        return 2;
    }
    // The picture goes out on a copy of standard output; what the drawing library prints goes to standard error.
    const int out = ::dup(STDOUT_FILENO);
    ::dup2(STDERR_FILENO, STDOUT_FILENO);
    Magick::InitializeMagick(argv[0]);
    bound();
    int status = Unreadable;
    try {
        status = render(argv[1], out);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
    }
    // At once: nothing of the library's is worth tidying up in a process that ends.
    ::_exit(status);
}
