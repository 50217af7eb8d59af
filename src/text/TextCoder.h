#pragma once

#include "AmountInWords.h"
#include "Base64Codec.h"
#include "LocaleNumbers.h"
#include "PathNames.h"
#include "TagText.h"
#include "TextCleanup.h"
#include "UnicodeFiles.h"
#include "UrlEncoding.h"
#include "Utf8Text.h"

/// The text toolkit: tag text, UTF-8, locale numbers, path and clean-up helpers, Base64, Unicode
/// text files, URL escapes and amounts in words, gathered from the classes that implement each
/// group. Stateless; the program shares one instance, reached through Shared().
class TextCoder : public TagText,
                  public Utf8Text,
                  public LocaleNumbers,
                  public PathNames,
                  public TextCleanup,
                  public Base64Codec,
                  public UnicodeFiles,
                  public UrlEncoding,
                  public AmountInWords {
public:
    /// The program's one shared instance.
    static const TextCoder& Shared();
};
