// Made from the English catalogue at build time; edit the catalogue, not this file.
#include "platform/TranslationCatalogue.h"

namespace qv {

const CatalogueMessage englishCatalogue[] = {
    {"Main", "Файл \"%1\" [a;b] <c> & \\d", "", "File \"%1\" [a;b] <c> & \\d"},
    {"Main", "Две\nстроки", "меню", "Two\nlines"},
    {"Other", "Да", "", "Yes"},
};
const std::size_t englishCatalogueSize = 3;

}  // namespace qv
