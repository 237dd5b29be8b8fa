#include "BenchCareer.h"

#include "career/NewCareer.h"

#include <stdexcept>

namespace velmora::bench {

// The new-career screen filled in as a player would: names, age, the first nation of the list.
void fillNewCareerScreen(Form1& form) {
    if (form.nationRowsLast < 0) {
        form.nationRows = form.db().query("SELECT * FROM nazionalita order by nazione asc ");
        form.nationRowsLast = form.nationRows.last();
    }
    form.chosenNation = form.nationRows.at(1, 0).str();
    form.c("Text1", 0).text = "Mario";
    form.c("Text1", 1).text = "Rossi";
    form.c("Combo1", 0).text = "30";
}

BenchCareer::BenchCareer() {
    form.Form_Load();
    fillNewCareerScreen(form);
    form.newCareer().Label3_Click(0);
    if (!platform.takeMessages().empty()) throw std::runtime_error("the new career reported a failure");
}

} // namespace velmora::bench
