-- The sample Customers table on the PostgreSQL server. Names are lower case, as the server
-- folds the windows' unquoted names (ID is id) and the program writes their bracketed ones
-- ([Total Sales] is "total sales"). Amounts keep four decimals, as the program's Currency.
-- The rows follow, as Data/Test.sql writes them.
CREATE TABLE customers (
    id integer PRIMARY KEY,
    company text,
    country text,
    "total sales" numeric(19, 4),
    phone text,
    "first name" text,
    "last name" text,
    "e-mail" text,
    title text,
    "has discount" boolean NOT NULL DEFAULT false,
    "customer since" date
);

INSERT INTO customers (id, company, country, "total sales", phone, "first name", "last name",
                       "e-mail", title, "has discount", "customer since") VALUES
