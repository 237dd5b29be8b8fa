-- Tables of the shipped database velmora.mdb.
-- The game reads columns by position, so the column order here is part of the format.
-- Text compares and sorts without regard to letter case everywhere ("rossi" finds "Rossi").

-- Career settings as key/value rows: numbers live in dato1, text in dato2.
CREATE TABLE temp (
    dato TEXT COLLATE NOCASE,
    dato1 NUMERIC,
    dato2 TEXT COLLATE NOCASE
);

-- Every player of the circuit; filled when a career starts.
CREATE TABLE giocatori (
    cognome TEXT COLLATE NOCASE,
    nome TEXT COLLATE NOCASE,
    nazionalita TEXT COLLATE NOCASE,
    eta INTEGER,
    nazione TEXT COLLATE NOCASE,
    continente TEXT COLLATE NOCASE,
    uno INTEGER,
    hearts INTEGER,
    brisolo INTEGER,
    unopunti INTEGER DEFAULT 0,
    heartspunti INTEGER DEFAULT 0,
    brisolopunti INTEGER DEFAULT 0,
    totalepunti INTEGER DEFAULT 0
);
CREATE INDEX giocatori_nome ON giocatori (cognome, nome);
-- The rankings list the players of one continent or one nation. There is no index on a points column:
-- each would be rewritten by every point update of the week, to save little on a read of the world.
CREATE INDEX giocatori_continente ON giocatori (continente);
CREATE INDEX giocatori_nazione ON giocatori (nazione);

-- Nations: the key is the lower-case two-letter country code that also names the flag picture.
CREATE TABLE nazionalita (
    nazionalita TEXT COLLATE NOCASE,
    nazione TEXT COLLATE NOCASE,
    continente TEXT COLLATE NOCASE
);

-- Name pools per nation: one "cognome" row of surnames and one or more "nome" rows of first names.
CREATE TABLE nazioni (
    nazione TEXT COLLATE NOCASE,
    nomecognome TEXT COLLATE NOCASE,
    n1 TEXT COLLATE NOCASE, n2 TEXT COLLATE NOCASE, n3 TEXT COLLATE NOCASE, n4 TEXT COLLATE NOCASE,
    n5 TEXT COLLATE NOCASE, n6 TEXT COLLATE NOCASE, n7 TEXT COLLATE NOCASE, n8 TEXT COLLATE NOCASE,
    n9 TEXT COLLATE NOCASE, n10 TEXT COLLATE NOCASE, n11 TEXT COLLATE NOCASE, n12 TEXT COLLATE NOCASE,
    n13 TEXT COLLATE NOCASE, n14 TEXT COLLATE NOCASE, n15 TEXT COLLATE NOCASE, n16 TEXT COLLATE NOCASE,
    n17 TEXT COLLATE NOCASE, n18 TEXT COLLATE NOCASE, n19 TEXT COLLATE NOCASE, n20 TEXT COLLATE NOCASE
);

-- The season: one row per event. nazione is the host's nation key, or "conti" / "nazio" for the
-- continental and national championships, which are held wherever the player's continent or nation is.
CREATE TABLE calendario (
    torneo TEXT COLLATE NOCASE,
    importanza INTEGER,
    settimana INTEGER,
    citta TEXT COLLATE NOCASE,
    giocatori INTEGER,
    categoria TEXT COLLATE NOCASE,
    gioco TEXT COLLATE NOCASE,
    iscrizione INTEGER,
    nazione TEXT COLLATE NOCASE
);
CREATE INDEX calendario_settimana ON calendario (settimana);
CREATE INDEX calendario_torneo ON calendario (torneo);

-- Ranking points per level and finishing positions da..a.
CREATE TABLE punti (
    importanza INTEGER,
    punti INTEGER,
    da INTEGER,
    a INTEGER
);

-- Prize money per level; ordered by id, the rows pay the same positions as the punti rows ordered by
-- falling points.
CREATE TABLE premi (
    id INTEGER,
    premio INTEGER,
    importanza INTEGER
);

-- Results of the events played this career.
CREATE TABLE tornei (
    torneo TEXT COLLATE NOCASE,
    tipo TEXT COLLATE NOCASE,
    cognome TEXT COLLATE NOCASE,
    nome TEXT COLLATE NOCASE,
    nazionalita TEXT COLLATE NOCASE,
    posizione INTEGER,
    punti INTEGER,
    premio INTEGER,
    settimana INTEGER
);
CREATE INDEX tornei_torneo ON tornei (torneo);
CREATE INDEX tornei_giocatore ON tornei (cognome, nome);

-- The players qualified for the season's finals.
CREATE TABLE finali (
    cognome TEXT COLLATE NOCASE,
    nome TEXT COLLATE NOCASE,
    punti INTEGER,
    numero INTEGER
);
