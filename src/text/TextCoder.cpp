#include "TextCoder.h"

const TextCoder& TextCoder::Shared()
{
    static const TextCoder coder;
    return coder;
}
