-- What the suite's SQL Server statements need that PostgreSQL lacks.

-- Texts compare as on SQL Server: without regard to case or accents' case.
CREATE COLLATION IF NOT EXISTS ci (provider = icu, locale = 'und-u-ks-level2', deterministic = false);
-- PostgreSQL searches inside texts (patterns, positions, replacements) only
-- under a deterministic collation; this one folds every letter's case, where
-- "C" folds only ASCII ones.
CREATE COLLATION IF NOT EXISTS exacta (provider = icu, locale = 'und');

-- LEN ignores trailing blanks.
CREATE FUNCTION len(t text) RETURNS integer LANGUAGE sql IMMUTABLE
    AS $$ SELECT char_length(rtrim(t COLLATE "C")) $$;

-- One byte per character of a single-byte text column.
CREATE FUNCTION datalength(t text) RETURNS integer LANGUAGE sql IMMUTABLE
    AS $$ SELECT char_length(t) $$;

CREATE FUNCTION getdate() RETURNS timestamp LANGUAGE sql STABLE
    AS $$ SELECT date_trunc('second', localtimestamp) $$;

-- 1-based position of `buscado` in `t`, case ignored; 0 when absent.
CREATE FUNCTION charindex(buscado text, t text) RETURNS integer LANGUAGE sql IMMUTABLE
    AS $$ SELECT strpos(lower(t COLLATE exacta), lower(buscado COLLATE exacta)) $$;
CREATE FUNCTION charindex(buscado text, t text, desde integer) RETURNS integer LANGUAGE sql IMMUTABLE
    AS $$ SELECT CASE WHEN strpos(lower(substr(t COLLATE exacta, greatest(desde, 1))), lower(buscado COLLATE exacta)) = 0
                      THEN 0
                      ELSE strpos(lower(substr(t COLLATE exacta, greatest(desde, 1))), lower(buscado COLLATE exacta))
                           + greatest(desde, 1) - 1 END $$;

-- REPLACE of T-SQL: every `buscado` found without regard to case becomes
-- `nuevo`; an empty `buscado` changes nothing. PostgreSQL's replace minds case
-- and refuses texts under ci.
CREATE FUNCTION tsql_replace(t text, buscado text, nuevo text) RETURNS text LANGUAGE sql IMMUTABLE
    AS $$ SELECT CASE WHEN buscado COLLATE exacta = '' THEN t
                      ELSE regexp_replace(t COLLATE exacta,
                                          regexp_replace(buscado COLLATE exacta, '([^[:alnum:]])', '\\\1', 'g'),
                                          replace(nuevo COLLATE exacta, '\', '\\'), 'gi') END $$;

-- "+" of T-SQL when the types of its terms are known only at run time.
CREATE FUNCTION tsql_add(a text, b text) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT a || b $$;
CREATE FUNCTION tsql_add(a numeric, b numeric) RETURNS numeric LANGUAGE sql IMMUTABLE AS $$ SELECT a + b $$;

-- A text folded as LIKE compares letters: without case or accents, the ñ a
-- letter of its own. A LIKE on a column may compare the column folded by it,
-- which a company's trigram indexes hold. An ASCII text only needs lower; in
-- another, translate looks each character up in its list from the start,
-- where the most used ones are.
CREATE FUNCTION tsql_like_fold(t text) RETURNS text LANGUAGE sql IMMUTABLE PARALLEL SAFE
    AS $$ SELECT CASE WHEN octet_length(t) = char_length(t) THEN lower(t COLLATE "und-x-icu")
                      ELSE lower(translate(t, ' aeoirnsltcdumpbgvyhfqjzxkwAEOIRNSLTCDUMPBGVYHFQJZXKW0123456789µÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞàáâãäåçèéêëìíîïòóôõöùúûüýÿĀāĂăĄąĆćĈĉĊċČčĎďĐĒēĔĕĖėĘęĚěĜĝĞğĠġĢģĤĥĦĨĩĪīĬĭĮįİĲĴĵĶķĹĺĻļĽľĿŁŃńŅņŇňŊŌōŎŏŐőŒŔŕŖŗŘřŚśŜŝŞşŠšŢţŤťŦŨũŪūŬŭŮůŰűŲųŴŵŶŷŸŹźŻżŽžſ',
                                               ' aeoirnsltcdumpbgvyhfqjzxkwaeoirnsltcdumpbgvyhfqjzxkw0123456789μaaaaaaæceeeeiiiiðñoooooøuuuuyþaaaaaaceeeeiiiiooooouuuuyyaaaaaaccccccccddđeeeeeeeeeegggggggghhħiiiiiiiiiĳjjkkllllllŀłnnnnnnŋooooooœrrrrrrssssssssttttŧuuuuuuuuuuuuwwyyyzzzzzzs') COLLATE "und-x-icu") END $$;
