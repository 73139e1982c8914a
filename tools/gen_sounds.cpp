// Writes the program's sounds as 16-bit PCM mono WAV files at 22050 Hz.
//
//   gen_sounds OUTDIR
//
// Every sound is built from soft tones: sine or triangle waves with a short attack and an
// exponential decay, so nothing clicks. The level sounds step up or down one note per level.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

enum class Wave { Sine, Triangle, Bell };

// One tone placed in a sound.
struct Note {
    double start;  // seconds
    double freq;   // Hz
    double length; // seconds until silent
    double gain;   // 0..1 before the final peak normalisation
    Wave wave = Wave::Sine;
    double attack = 0.01; // seconds
};

double semitone(double base, int steps) {
    return base * std::pow(2.0, steps / 12.0);
}

// Notes of the octave from A4 = 440 Hz.
double note(int semitonesFromA4) {
    return semitone(440.0, semitonesFromA4);
}
const int A3 = -12, C4 = -9, D4 = -7, E4 = -5, F4 = -4, G4 = -2, A4 = 0, C5 = 3, D5 = 5, E5 = 7,
          F5 = 8, G5 = 10, A5 = 12, C6 = 15, E6 = 19, G6 = 22, A6 = 24;

double oscillator(Wave wave, double phase) {
    switch (wave) {
    case Wave::Sine:
        return std::sin(phase);
    case Wave::Triangle: {
        const double t = std::fmod(phase / (2 * kPi), 1.0);
        return t < 0.5 ? 4 * t - 1 : 3 - 4 * t;
    }
    case Wave::Bell:
        // A little of the octave and the twelfth gives a soft chime.
        return 0.75 * std::sin(phase) + 0.18 * std::sin(2 * phase) + 0.07 * std::sin(3 * phase);
    }
    return 0;
}

class Sound {
public:
    explicit Sound(double seconds) : samples_(static_cast<std::size_t>(seconds * kRate), 0.0) {}

    void add(const Note& n) {
        const auto first = static_cast<std::size_t>(n.start * kRate);
        const auto count = static_cast<std::size_t>(n.length * kRate);
        // Decay to about -50 dB over the note; the last 15 ms fade to zero.
        const double decay = std::log(300.0) / n.length;
        const double fadeOut = 0.015;
        for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            double env = std::exp(-decay * t);
            if (t < n.attack) env *= std::sin(0.5 * kPi * t / n.attack);
            if (t > n.length - fadeOut) env *= std::max(0.0, (n.length - t) / fadeOut);
            samples_[first + i] += n.gain * env * oscillator(n.wave, 2 * kPi * n.freq * t);
        }
    }

    void chord(double start, std::initializer_list<int> notes, double length, double gain,
               Wave wave = Wave::Sine, double attack = 0.01) {
        for (int s : notes)
            add({start, note(s), length, gain, wave, attack});
    }

    // Writes the sound scaled to the given peak (fraction of full scale).
    bool write(const fs::path& file, double peak) const {
        double top = 0;
        for (double s : samples_)
            top = std::max(top, std::abs(s));
        const double scale = top > 0 ? peak * 32767.0 / top : 0.0;
        std::vector<int16_t> pcm(samples_.size());
        for (std::size_t i = 0; i < samples_.size(); ++i)
            pcm[i] = static_cast<int16_t>(std::lround(samples_[i] * scale));

        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        auto u32 = [&](uint32_t v) {
            const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
            out.write(b, 4);
        };
        auto u16 = [&](uint16_t v) {
            const char b[2] = {char(v), char(v >> 8)};
            out.write(b, 2);
        };
        const uint32_t dataBytes = static_cast<uint32_t>(pcm.size() * 2);
        out.write("RIFF", 4);
        u32(36 + dataBytes);
        out.write("WAVE", 4);
        out.write("fmt ", 4);
        u32(16);
        u16(1); // PCM
        u16(1); // mono
        u32(kRate);
        u32(kRate * 2); // bytes per second
        u16(2);         // block align
        u16(16);        // bits per sample
        out.write("data", 4);
        u32(dataBytes);
        for (int16_t s : pcm)
            u16(static_cast<uint16_t>(s));
        return static_cast<bool>(out);
    }

private:
    std::vector<double> samples_;
};

// A level change: one note per level gained or lost, then the last note rings.
Sound levelSound(bool up, int steps) {
    // Up: bright sine steps of a major arpeggio. Down: softer triangle steps in a lower register.
    const int upNotes[] = {C5, E5, G5, C6};
    const int downNotes[] = {A4, F4, D4, A3};
    const double gap = 0.13;
    const double ring = 0.42;
    Sound s(gap * steps + ring + 0.02);
    for (int i = 0; i <= steps; ++i) {
        const bool last = i == steps;
        const double len = last ? ring : gap + 0.08;
        if (up)
            s.add({gap * i, note(upNotes[i]), len, last ? 0.9 : 0.7, Wave::Bell, 0.008});
        else
            s.add({gap * i, note(downNotes[i]), len, last ? 0.9 : 0.7, Wave::Triangle, 0.015});
    }
    return s;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: gen_sounds OUTDIR\n";
        return 1;
    }
    const fs::path dir = argv[1];
    fs::create_directories(dir);

    struct Named {
        const char* name;
        Sound sound;
        double peak;
    };
    std::vector<Named> sounds;

    { // start: a welcoming rising arpeggio that settles on a chord
        Sound s(0.95);
        s.add({0.00, note(C5), 0.9, 0.6, Wave::Bell});
        s.add({0.09, note(E5), 0.8, 0.55, Wave::Bell});
        s.add({0.18, note(G5), 0.75, 0.5, Wave::Bell});
        s.add({0.27, note(C6), 0.66, 0.55, Wave::Bell});
        sounds.push_back({"start", s, 0.55});
    }
    { // right: a quick bright rising fourth
        Sound s(0.36);
        s.add({0.00, note(E6), 0.16, 0.7, Wave::Bell, 0.004});
        s.add({0.08, note(A6), 0.28, 0.8, Wave::Bell, 0.004});
        sounds.push_back({"right", s, 0.5});
    }
    { // wrong: a low, soft falling major third
        Sound s(0.42);
        s.add({0.00, note(E4), 0.2, 0.8, Wave::Triangle, 0.02});
        s.add({0.14, note(C4), 0.28, 0.8, Wave::Triangle, 0.02});
        sounds.push_back({"wrong", s, 0.5});
    }
    { // next: three chime notes that end together as a held chord
        Sound s(1.3);
        s.add({0.00, note(G4), 1.28, 0.5, Wave::Bell, 0.02});
        s.add({0.22, note(C5), 1.06, 0.5, Wave::Bell, 0.02});
        s.add({0.44, note(E5), 0.84, 0.55, Wave::Bell, 0.02});
        sounds.push_back({"next", s, 0.5});
    }
    { // menu: a single soft tick
        Sound s(0.09);
        s.add({0.0, note(A5), 0.085, 1.0, Wave::Sine, 0.003});
        sounds.push_back({"menu", s, 0.35});
    }
    { // green: a slow swell of an open chord for the title screen
        Sound s(0.75);
        s.chord(0.0, {F4, C5, F5, A5}, 0.74, 0.4, Wave::Sine, 0.12);
        sounds.push_back({"green", s, 0.4});
    }
    for (int steps = 1; steps <= 3; ++steps) {
        static const char* const up[] = {"lvup1", "lvup2", "lvup3"};
        static const char* const down[] = {"lvdown1", "lvdown2", "lvdown3"};
        sounds.push_back({up[steps - 1], levelSound(true, steps), 0.5});
        sounds.push_back({down[steps - 1], levelSound(false, steps), 0.5});
    }
    { // ststart: a reading opens; a gentle rising fifth over a low note
        Sound s(0.6);
        s.add({0.00, note(D4), 0.58, 0.45, Wave::Sine, 0.03});
        s.add({0.00, note(D5), 0.3, 0.4, Wave::Bell, 0.01});
        s.add({0.12, note(A5), 0.46, 0.45, Wave::Bell, 0.01});
        sounds.push_back({"ststart", s, 0.45});
    }
    { // sttmon: timer on, two short rising blips
        Sound s(0.22);
        s.add({0.00, note(E6), 0.09, 0.8, Wave::Sine, 0.004});
        s.add({0.10, note(G6), 0.11, 0.8, Wave::Sine, 0.004});
        sounds.push_back({"sttmon", s, 0.4});
    }
    { // sttmoff: timer off, the same blips falling
        Sound s(0.22);
        s.add({0.00, note(G6), 0.09, 0.8, Wave::Sine, 0.004});
        s.add({0.10, note(E6), 0.11, 0.8, Wave::Sine, 0.004});
        sounds.push_back({"sttmoff", s, 0.4});
    }

    for (const auto& n : sounds) {
        const fs::path file = dir / (std::string(n.name) + ".wav");
        if (!n.sound.write(file, n.peak)) {
            std::cerr << "gen_sounds: cannot write " << file << "\n";
            return 1;
        }
    }
    std::cout << "gen_sounds: " << sounds.size() << " sounds written to " << dir.string() << "\n";
    return 0;
}
