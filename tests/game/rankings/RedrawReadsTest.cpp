// One answer per statement within a redraw, a fresh one after it.

#include "rankings/RedrawReads.h"
#include "support/GameTest.h"

namespace velmora::test {
namespace {

class RedrawReadsTest : public GameTest {};

TEST_F(RedrawReadsTest, ARedrawReadsEachStatementOnceAndTheNextSeesChanges) {
    load();
    Database& db = form->db();
    const std::string statement = "SELECT * FROM temp WHERE dato='evento'";
    RedrawReads reads;
    {
        RedrawReads::Redraw redraw(reads);
        const Rows& first = reads.rows(db, statement);
        EXPECT_EQ(first.at(2, 0).str(), "0");
        {
            RedrawReads::Redraw nested(reads); // a handler run by another one shares its answers
            db.execute("UPDATE temp SET dato2='x' WHERE dato='evento'");
            EXPECT_EQ(&reads.rows(db, statement), &first);
        }
        EXPECT_EQ(reads.statementsRun(), 1);
        EXPECT_EQ(first.at(2, 0).str(), "0");
    }
    RedrawReads::Redraw next(reads);
    EXPECT_EQ(reads.rows(db, statement).at(2, 0).str(), "x");
    EXPECT_EQ(reads.statementsRun(), 2);
    // Places count from 1; a name that is not there has none.
    db.execute("UPDATE temp SET dato2='Rossi' WHERE dato='tuocognome'");
    // evento, nummag, settimana, tuaeta, tuanazionalita, tuocognome: the sixth key.
    // (The season counter of the career's history is left out.)
    const std::string keys = "SELECT dato2, dato FROM temp WHERE dato <> 'stagione' ORDER BY dato";
    EXPECT_EQ(reads.position(db, keys, "Rossi", "tuocognome"), 6);
    EXPECT_EQ(reads.position(db, keys, "Nessuno", "tuocognome"), 0);
}

} // namespace
} // namespace velmora::test
