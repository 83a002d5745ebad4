#pragma once

#include <string>
#include <string_view>

namespace courtlog::output {

// A text from a record or a setting (a name, a court, a note, a face, an
// address) made safe to stand in an HTML page: '&', '<', '>' and '"' become
// &amp; &lt; &gt; &quot;, everything else stays as it is. Every HTML writer
// passes such texts through this, never the page's own markup.
std::string htmlText(std::string_view text);

// count non-breaking spaces ("&nbsp;" each), the padding of headings.
std::string nbsp(int count);

}  // namespace courtlog::output
