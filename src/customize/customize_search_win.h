#pragma once
// The Customize sheet's search index over the localisation module the library loaded: built
// the first time a sheet asks for it and kept while the library is loaded.

#include "customize/customize_search.h"

namespace scrv {

const SearchIndex& CustomizeSearchIndex();

}  // namespace scrv
