// The NetworkManager texts: any state, reason or error name gives a status text, never an empty
// failure, and the texts a dial shows keep their fixed beginnings.
#include "FuzzSupport.h"

#include "platform/ras/nm/NmReasons.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    uint numbers[3] = {0, 0, 0};
    const size_t head = size < sizeof numbers ? size : sizeof numbers;
    std::memcpy(numbers, bytes, head);
    const QString rest =
        QString::fromUtf8(reinterpret_cast<const char*>(bytes + head), qsizetype(size - head));
    const qsizetype cut = rest.indexOf(u'\n');
    const QString errorName = cut < 0 ? rest : rest.left(cut);
    const QString message = cut < 0 ? QString() : rest.mid(cut + 1);

    const QString prefix = QStringLiteral("Dial failed: ");
    for (const bool rejected : {false, true}) {
        const QString failure = NmReasons::failureText(numbers[0], numbers[1], rejected);
        fuzz::require(failure.startsWith(prefix) && failure.size() > prefix.size(), "an empty failure text");
    }
    (void)NmReasons::activeReasonWords(numbers[0]);
    (void)NmReasons::deviceReasonWords(numbers[1]);
    (void)NmReasons::deviceProgressText(numbers[2]);
    const QString words = NmReasons::activationErrorWords(errorName, message);
    fuzz::require(!words.isEmpty(), "a refused activation without words");
    fuzz::require(NmReasons::failureTextWords(words).startsWith(prefix), "a failure without its beginning");
    fuzz::require(NmReasons::dialingText(errorName).contains(errorName), "the dialing text lost the name");
    return 0;
}
