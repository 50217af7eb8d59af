#pragma once

#include "LocaleNumbers.h"
#include "PathNames.h"
#include "TagText.h"
#include "TextCleanup.h"
#include "Utf8Text.h"

/// The text toolkit: tag text, UTF-8, locale numbers, path and clean-up helpers, gathered from the
/// classes that implement each group. Stateless; the program shares one instance, reached through
/// Shared().
class TextCoder : public TagText,
                  public Utf8Text,
                  public LocaleNumbers,
                  public PathNames,
                  public TextCleanup {
public:
    /// The program's one shared instance.
    static const TextCoder& Shared();
};
