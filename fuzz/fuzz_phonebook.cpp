// The simulator's phone book: any text is either refused with a message or read; what was read
// writes out as a file that reads back to the same entries and writes out the same again.
#include "FuzzSupport.h"

#include "platform/ras/sim/SimPhoneBook.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(bytes), qsizetype(size));
    SimPhoneBook book;
    QString error;
    if (!SimPhoneBook::parse(text, QStringLiteral("fuzz.ini"), &book, &error)) {
        fuzz::require(!error.isEmpty(), "a phone book was refused without a reason");
        return 0;
    }
    for (qsizetype i = 0; i < book.entries.size(); ++i) {
        const SimEntry& e = book.entries.at(i);
        fuzz::require(book.problemWith(e, int(i)).isEmpty(), "an entry read from a file is not valid");
        for (int attempt = 1; attempt < 5; ++attempt)
            (void)e.outcomeOfAttempt(attempt);
        for (int step = 0; step < 5; ++step)
            fuzz::require(e.stepDurationMs(step) >= 0, "a negative step");
    }

    const QString written = book.toText();
    SimPhoneBook again;
    QString againError;
    if (!SimPhoneBook::parse(written, QStringLiteral("fuzz.ini"), &again, &againError))
        fuzz::fail("a written phone book cannot be read back");
    fuzz::require(again.entries.size() == book.entries.size(), "entries lost in a rewrite");
    for (qsizetype i = 0; i < book.entries.size(); ++i)
        fuzz::require(again.entries.at(i).sameAs(book.entries.at(i)), "an entry changed in a rewrite");
    fuzz::require(again.toText() == written, "a second rewrite differs");
    return 0;
}
