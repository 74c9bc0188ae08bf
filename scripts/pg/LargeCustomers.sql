-- A large Customers table for browsing and the benchmarks, generated on the server: :rows
-- customers in the schema "large" (Schema=large in the connection string), in the sample's
-- columns, with company names past 15 characters and every fourth customer abroad with
-- large sales.
CREATE SCHEMA large;
CREATE TABLE large.customers AS
SELECT n AS id,
       'Generated Company ' || n AS company,
       (ARRAY['USA', 'Canada', 'France', 'Brazil'])[1 + n % 4] AS country,
       ((n::bigint * 7919) % 100000 + (n % 100) / 100.0)::numeric(19, 4) AS "total sales"
FROM generate_series(1, :rows) AS n;
ALTER TABLE large.customers ADD PRIMARY KEY (id);
ANALYZE large.customers;
