#!/usr/bin/env python3
# Writes a Firefox cookie database (cookies.sqlite, the moz_cookies table as Firefox keeps
# it) holding one cookie: firefox-cookies.py FILE HOST NAME VALUE
import sqlite3
import sys

file, host, name, value = sys.argv[1:5]
db = sqlite3.connect(file)
db.execute(
    "CREATE TABLE moz_cookies (id INTEGER PRIMARY KEY, originAttributes TEXT NOT NULL DEFAULT '', name TEXT, value TEXT,"
    " host TEXT, path TEXT, expiry INTEGER, lastAccessed INTEGER, creationTime INTEGER, isSecure INTEGER, isHttpOnly INTEGER,"
    " inBrowserElement INTEGER DEFAULT 0, sameSite INTEGER DEFAULT 0, rawSameSite INTEGER DEFAULT 0, schemeMap INTEGER DEFAULT 0)")
db.execute(
    "INSERT INTO moz_cookies (name, value, host, path, expiry, lastAccessed, creationTime, isSecure, isHttpOnly)"
    " VALUES (?, ?, ?, '/', 4102444800, 0, 0, 0, 1)", (name, value, host))
db.commit()
