// Writes the simulator's two sounds into a folder: the exhaust beat and the error warning.
//
// Usage: makewav <folder>
// Both files are 16-bit PCM mono at 22050 Hz. The noise comes from a fixed-seed generator,
// so every run writes byte-identical files on every host.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
using Samples = std::vector<double>;  // -1 .. 1

int Count(double seconds) { return static_cast<int>(std::lround(seconds * kRate)); }

// Deterministic white noise in -1 .. 1 (xorshift32).
class Noise {
public:
    double Next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t state = 0x5EED1234u;
};

// Linear rise over the first `rise` samples and fall over the last `fall`, so a sound starts
// and stops without a click.
double EdgeRamp(int i, int n, int rise, int fall)
{
    return std::min({1.0, static_cast<double>(i) / rise, static_cast<double>(n - 1 - i) / fall});
}

// One-pole smoothing coefficient for a corner frequency.
double PoleFor(double hz) { return std::exp(-2.0 * std::numbers::pi * hz / kRate); }

// Exhaust beat: noise band-passed to the rushing low-middle register of escaping steam,
// a 4 ms rise and an exponential fall that is practically silent after about 200 ms.
Samples MakeExhaust()
{
    const double lowPole = PoleFor(1600.0);
    const double highPole = PoleFor(120.0);
    Noise noise;
    double low1 = 0.0, low2 = 0.0, rumble = 0.0;
    const int n = Count(0.25);
    Samples out(n);
    for (int i = 0; i < n; ++i) {
        // Two cascaded low-passes take the hiss off; subtracting a slow average takes the thump off.
        low1 = lowPole * low1 + (1.0 - lowPole) * noise.Next();
        low2 = lowPole * low2 + (1.0 - lowPole) * low1;
        rumble = highPole * rumble + (1.0 - highPole) * low2;
        const double t = static_cast<double>(i) / kRate;
        const double envelope = EdgeRamp(i, n, Count(0.004), Count(0.02)) * std::exp(-t / 0.055);
        out[i] = (low2 - rumble) * envelope;
    }
    return out;
}

// A sine tone with a short fade at both ends.
void AppendTone(Samples& out, double hz, double seconds, double fade)
{
    const int n = Count(seconds);
    const int edge = Count(fade);
    for (int i = 0; i < n; ++i)
        out.push_back(EdgeRamp(i, n, edge, edge) * std::sin(2.0 * std::numbers::pi * hz * i / kRate));
}

// Error warning: two descending tones, about 300 ms in all.
Samples MakeError()
{
    Samples out;
    AppendTone(out, 880.0, 0.13, 0.01);
    out.insert(out.end(), Count(0.03), 0.0);
    AppendTone(out, 587.0, 0.14, 0.01);
    return out;
}

// Scales to a common peak so both sounds play at the same level.
std::vector<std::int16_t> ToPcm(const Samples& in, double peak)
{
    double largest = 1e-9;
    for (double s : in) largest = std::max(largest, std::abs(s));
    std::vector<std::int16_t> pcm;
    pcm.reserve(in.size());
    for (double s : in)
        pcm.push_back(static_cast<std::int16_t>(std::lround(s / largest * peak * 32767.0)));
    return pcm;
}

void PutLE(std::string& bytes, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A canonical 44-byte RIFF/WAVE header followed by the samples, all little-endian.
std::string WavBytes(const std::vector<std::int16_t>& pcm)
{
    const std::uint32_t dataSize = static_cast<std::uint32_t>(pcm.size() * 2);
    std::string bytes = "RIFF";
    PutLE(bytes, 36 + dataSize, 4);
    bytes += "WAVEfmt ";
    PutLE(bytes, 16, 4);          // format chunk size
    PutLE(bytes, 1, 2);           // PCM
    PutLE(bytes, 1, 2);           // mono
    PutLE(bytes, kRate, 4);
    PutLE(bytes, kRate * 2, 4);   // bytes per second
    PutLE(bytes, 2, 2);           // bytes per frame
    PutLE(bytes, 16, 2);          // bits per sample
    bytes += "data";
    PutLE(bytes, dataSize, 4);
    for (std::int16_t s : pcm) PutLE(bytes, static_cast<std::uint16_t>(s), 2);
    return bytes;
}

bool WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

int Fail(const std::string& message)
{
    std::cerr << "makewav: " << message << '\n';
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 || std::string(argv[1]).empty()) return Fail("usage: makewav <folder>");
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return Fail("cannot create folder " + folder.string() + ": " + error.message());

    const struct {
        const char* name;
        Samples samples;
    } sounds[] = {{"Exhaust.wav", MakeExhaust()}, {"Error.wav", MakeError()}};
    for (const auto& sound : sounds) {
        if (!WriteFile(folder / sound.name, WavBytes(ToPcm(sound.samples, 0.8))))
            return Fail("cannot write " + (folder / sound.name).string());
    }
    return 0;
}
