#pragma once
// The services the program's code calls, each replaceable in tests: dialogs, time,
// random numbers, the busy pointer, shell and clipboard.
#include "Printer.h"
#include <QDateTime>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>

namespace korv {

inline const QString kProgramTitle = QStringLiteral("Korvamint Smidrovel");

// Message-box flags, combined with |, and the answers a box returns.
namespace Mb {
constexpr int OkOnly = 0;
constexpr int OkCancel = 1;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace Mb

class DialogService {
public:
    virtual ~DialogService() = default;
    // `buttons` combines a button set and an icon; an empty title gives the program's.
    virtual int msgBox(const QString& prompt, int buttons = Mb::OkOnly,
                       const QString& title = QString()) = 0;
    // Cancel gives "".
    virtual QString inputBox(const QString& prompt, const QString& title = QString(),
                             const QString& defaultText = QString()) = 0;
};

// Real boxes on the screen.
class QtDialogService : public DialogService {
public:
    int msgBox(const QString& prompt, int buttons, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
};

// Wall clock and monotonic time. Tests fix the wall clock and shorten pauses.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const;
    double monotonicSeconds() const;
    // Factor applied to every pause; 0 makes pauses return after one event round.
    double pauseScale = 1.0;
    void fix(const QDateTime& t) { fixed_ = t; }

private:
    QDateTime fixed_;
};

// One generator for the whole program: 0 <= next() < 1. xoshiro256+, whose upper 53
// bits make one double: a few instructions a number, where the noise filters draw one
// number for every channel of every pixel.
class Random {
public:
    Random() { seed(5489u); }
    void seed(unsigned s) {
        // splitmix64 spreads the seed over the state, which is then never all zero.
        std::uint64_t z = s;
        for (std::uint64_t& w : s_) {
            z += 0x9E3779B97F4A7C15ull;
            std::uint64_t x = z;
            x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
            x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
            w = x ^ (x >> 31);
        }
    }
    double next() { return fed_ ? fed_() : step(s_); }
    // The next n numbers into out, in the order next() gives them. The state stays in
    // registers for the whole run, where stores between single draws could touch it.
    void fill(double* out, std::size_t n) {
        if (fed_) {
            for (std::size_t i = 0; i < n; ++i)
                out[i] = fed_();
            return;
        }
        std::uint64_t s[4] = {s_[0], s_[1], s_[2], s_[3]};
        for (std::size_t i = 0; i < n; ++i)
            out[i] = step(s);
        std::copy(s, s + 4, s_);
    }
    // Tests that need exact numbers feed their own sequence in place of the generator;
    // an empty function gives the generator back.
    void feed(std::function<double()> source) { fed_ = std::move(source); }

private:
    static double step(std::uint64_t* s) {
        const std::uint64_t r = s[0] + s[3];
        const std::uint64_t t = s[1] << 17;
        s[2] ^= s[0];
        s[3] ^= s[1];
        s[1] ^= s[2];
        s[0] ^= s[3];
        s[2] ^= t;
        s[3] = (s[3] << 45) | (s[3] >> 19);
        // Below 2^53 as a signed number: the plain conversion, not the unsigned one.
        return static_cast<double>(static_cast<std::int64_t>(r >> 11)) * 0x1.0p-53;
    }
    std::uint64_t s_[4];
    std::function<double()> fed_;
};

// The screen's busy pointer as an on/off flag.
class BusyPointer {
public:
    void set(bool busy);
    bool isBusy() const { return busy_; }

private:
    bool busy_ = false;
};

// The hourglass for as long as it lives, also when an operation ends early.
class BusyPointerGuard {
public:
    explicit BusyPointerGuard(BusyPointer& b) : busy_(b) { busy_.set(true); }
    ~BusyPointerGuard() { busy_.set(false); }
    BusyPointerGuard(const BusyPointerGuard&) = delete;
    BusyPointerGuard& operator=(const BusyPointerGuard&) = delete;

private:
    BusyPointer& busy_;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a document or web address with the desktop's program; false on failure.
    virtual bool open(const QString& pathOrUrl);
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual bool setImage(const QImage& img);
};

// Everything above in one bundle, handed to every window.
struct Services {
    std::shared_ptr<DialogService> dialogs = std::make_shared<QtDialogService>();
    std::shared_ptr<Clock> clock = std::make_shared<Clock>();
    std::shared_ptr<Shell> shell = std::make_shared<Shell>();
    std::shared_ptr<Clipboard> clipboard = std::make_shared<Clipboard>();
    Random random;
    BusyPointer busy;
    QString programFolder;  // without a trailing separator
    QString picturesFolder; // the user's pictures folder; empty: the desktop's own
    // The printers and the current one; made on first use so that tests can set theirs.
    std::shared_ptr<PrinterService> printers;
    PrinterService& printerService();
};

// The user's pictures folder: the one set in the services, else the desktop's.
QString userPicturesFolder(const Services& s);

// Lets pending events run. With `userInput` false, mouse and key events wait, so that
// a long pixel loop can keep the windows painted without being interrupted.
void doEvents(bool userInput = true);

// Waits `seconds` (scaled by the clock's pause factor) while events run.
void Pause(Services& s, double seconds);
// The same wait with mouse and key events held back until it is over: the windows keep
// painting, but nothing the user does can change what a running command works on.
void PauseQuietly(const Services& s, double seconds);

} // namespace korv
