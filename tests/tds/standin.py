#!/usr/bin/env python3
"""A stand-in for a SQL Server, for the tests only: it is not a database.

It listens on 127.0.0.1 (a port of the system's choosing, printed as the first
line of its output), speaks enough TDS 7.2 to 7.4 for a driver to log in, and
answers every request: a statement that one of the canned replies matches gets
that reply (a result set, an error, a row count or silence); any other gets
"done", with one row counted for an INSERT, UPDATE or DELETE. Everything that
arrives is written to the log, decoded, one JSON object a line, each with the
number of its session; a session's end is logged as "closed" when the client
closed it.

It refuses what SQL Server's grammar refuses and the program might send
(SAVEPOINT, RELEASE, ROLLBACK TO: error 102), and keeps each session's
transaction as SQL Server does: begun by the driver's transaction requests or
by BEGIN TRANSACTION (which nests: only the outermost COMMIT commits), marked
by SAVE TRANSACTION, rolled back to a savepoint by ROLLBACK TRANSACTION with
its name (6401 for a name it does not know) or whole without one, committed
or rolled back at its end (3902 and 3903 when none is open). The writes a transaction made are held until it commits; any
session reads those committed so far, in their order, by a statement that
names standin_committed: one row a write, its statement (Escrita) and its
parameters' values as a JSON list (Valores).

    standin.py LOG REPLIES

REPLIES is a JSON list of {"match": text, ...} taken in order: the first whose
text is found (ignoring case) in a request's statement and parameter values
answers it (a transaction request's text is "transaction begin", "transaction
commit" or "transaction rollback", which only silence answers), with "columns"
([name, type]) and "rows", or "error" ({"number",
"message"}), or "rowcount" (a number, or a list whose last number is the
statement's and the others its trigger's), or "silent": "statement" (no answer
until the client's attention, which is then acknowledged) or "server" (no
answer to anything more on that session, the attention included). A reply
{"silent": "connection"} without "match" makes every session answer nothing at
all, {"silent": "login"} everything but the PRELOGIN.

Column types: "nvarchar(n)", "nvarchar(max)", "varchar(n)" (code page 1252),
"tinyint", "smallint", "int", "bigint", "bit", "real", "float",
"decimal(p,s)", "numeric(p,s)", "money", "smallmoney", "datetime",
"smalldatetime", "datetime2(n)". Numbers may be given as JSON numbers or, to
keep every digit, as text; dates as text, "2024-03-05 10:00:00.997". The
process ends when its input closes.
"""

import datetime
import decimal
import itertools
import json
import re
import os
import socket
import struct
import sys
import threading

IDLE_SECONDS = 20  # a client that says nothing for this long is dropped
LIFETIME_SECONDS = 60  # and whatever hangs, the stand-in ends, so its clients fail instead of waiting

# Packet types
SQL_BATCH, RPC, TABULAR_RESULT, ATTENTION, TRANSACTION_MANAGER, LOGIN7, PRELOGIN = (
    0x01, 0x03, 0x04, 0x06, 0x0E, 0x10, 0x12)

# SQL_Latin1_General_CP1_CI_AS: code page 1252
CP1252_COLLATION = bytes([0x09, 0x04, 0xD0, 0x00, 0x34])

RPC_NAMES = {1: "sp_cursor", 2: "sp_cursoropen", 3: "sp_cursorprepare", 4: "sp_cursorexecute",
             5: "sp_cursorprepexec", 6: "sp_cursorunprepare", 7: "sp_cursorfetch", 8: "sp_cursoroption",
             9: "sp_cursorclose", 10: "sp_executesql", 11: "sp_prepare", 12: "sp_execute",
             13: "sp_prepexec", 14: "sp_prepexecrpc", 15: "sp_unprepare"}

TM_REQUESTS = {5: "begin", 6: "promote", 7: "commit", 8: "rollback", 9: "save"}


class Log:
    def __init__(self, path):
        self.file = open(path, "a", encoding="utf-8")
        self.lock = threading.Lock()
        self.committed = []  # the writes of every session, once committed: (statement, values)

    def write(self, event):
        with self.lock:
            self.file.write(json.dumps(event, ensure_ascii=False) + "\n")
            self.file.flush()


class Reader:
    def __init__(self, data):
        self.data = data
        self.pos = 0

    def left(self):
        return len(self.data) - self.pos

    def take(self, n):
        if self.pos + n > len(self.data):
            raise ValueError("message ends early")
        chunk = self.data[self.pos:self.pos + n]
        self.pos += n
        return chunk

    def u8(self):
        return self.take(1)[0]

    def u16(self):
        return struct.unpack("<H", self.take(2))[0]

    def u32(self):
        return struct.unpack("<I", self.take(4))[0]

    def u64(self):
        return struct.unpack("<Q", self.take(8))[0]

    def b_varchar(self):
        return self.take(2 * self.u8()).decode("utf-16-le")


# ---- what arrives ----

def read_message(conn):
    """One client message, however many packets it takes: (type, payload)."""
    payload = b""
    while True:
        header = recv_exactly(conn, 8)
        if header is None:
            return None, None
        kind, status, length = header[0], header[1], struct.unpack(">H", header[2:4])[0]
        body = recv_exactly(conn, length - 8)
        if body is None:
            return None, None
        payload += body
        if status & 0x01:
            return kind, payload


def recv_exactly(conn, n):
    data = b""
    while len(data) < n:
        chunk = conn.recv(n - len(data))
        if not chunk:
            return None
        data += chunk
    return data


def transaction_of(r):
    """Skips ALL_HEADERS and gives the transaction descriptor it carries, as hex."""
    start = r.pos
    total = r.u32()
    descriptor = None
    while r.pos < start + total:
        length = r.u32()
        kind = r.u16()
        data = r.take(length - 6)
        if kind == 2:
            descriptor = data[:8].hex()
    return descriptor


def login7(payload):
    _, version = struct.unpack("<II", payload[0:8])

    def text(at):
        offset, chars = struct.unpack("<HH", payload[at:at + 4])
        return payload[offset:offset + 2 * chars]

    def password(raw):
        # each byte: nibbles swapped, then XOR 0xA5
        return bytes((((b ^ 0xA5) << 4) & 0xF0) | ((b ^ 0xA5) >> 4) for b in raw).decode("utf-16-le")

    return {"kind": "login", "tds_version": version, "user": text(40).decode("utf-16-le"),
            "password": password(text(44)), "database": text(68).decode("utf-16-le")}


def type_info(r):
    """A parameter's declared type, of those a driver binds: (name, reader of its value)."""
    t = r.u8()
    if t in (0x26, 0x68, 0x6D, 0x6F):
        size = r.u8()
        name = {0x26: {1: "tinyint", 2: "smallint", 4: "int", 8: "bigint"}.get(size, "int"),
                0x68: "bit", 0x6D: "float", 0x6F: "datetime"}[t]
        return name, lambda: decode(name, r.take(r.u8()) or None, {})
    if t in (0x6A, 0x6C):
        r.u8()
        precision, scale = r.u8(), r.u8()
        return "decimal(%d,%d)" % (precision, scale), lambda: decode("decimal", r.take(r.u8()) or None, {"scale": scale})
    if t == 0x2A:
        scale = r.u8()
        return "datetime2(%d)" % scale, lambda: decode("datetime2", r.take(r.u8()) or None, {"scale": scale})
    if t in (0xA7, 0xAF, 0xE7, 0xEF, 0xA5, 0xAD):
        size = r.u16()
        if t not in (0xA5, 0xAD):
            r.take(5)  # collation
        name = {0xA7: "varchar", 0xAF: "char", 0xE7: "nvarchar", 0xEF: "nchar", 0xA5: "varbinary", 0xAD: "binary"}[t]
        name += "(max)" if size == 0xFFFF else "(%d)" % (size // 2 if t in (0xE7, 0xEF) else size)
        if size == 0xFFFF:
            return name, lambda: decode(name, plp(r), {})
        return name, lambda: decode(name, short_value(r), {})
    if t in (0x23, 0x63, 0x22):
        r.u32()
        if t != 0x22:
            r.take(5)
        name = {0x23: "text", 0x63: "ntext", 0x22: "image"}[t]
        return name, lambda: decode(name, long_value(r), {})
    raise ValueError("parameter type 0x%02X is not read here" % t)


def short_value(r):
    n = r.u16()
    return None if n == 0xFFFF else r.take(n)


def long_value(r):
    n = r.u32()
    return None if n == 0xFFFFFFFF else r.take(n)


def plp(r):
    total = r.u64()
    if total == 0xFFFFFFFFFFFFFFFF:
        return None
    data = b""
    while True:
        n = r.u32()
        if n == 0:
            return data
        data += r.take(n)


def decode(name, raw, info):
    """A value as JSON can hold it: text as text, numbers exact, dates ISO."""
    if raw is None:
        return None
    base = name.split("(")[0]
    if base in ("nvarchar", "nchar", "ntext"):
        return raw.decode("utf-16-le")  # strict: a broken surrogate pair fails the request
    if base in ("varchar", "char", "text"):
        return raw.decode("cp1252", errors="replace")
    if base in ("tinyint", "smallint", "int", "bigint"):
        return int.from_bytes(raw, "little", signed=base != "tinyint")
    if base == "bit":
        return bool(raw[0])
    if base in ("real", "float"):
        return struct.unpack("<f" if len(raw) == 4 else "<d", raw)[0]
    if base == "decimal":
        digits = str(int.from_bytes(raw[1:], "little")).rjust(info["scale"] + 1, "0")
        text = digits[:len(digits) - info["scale"]] + ("." + digits[-info["scale"]:] if info["scale"] else "")
        return ("" if raw[0] else "-") + text
    if base == "datetime":
        days, ticks = struct.unpack("<iI", raw)
        moment = datetime.datetime(1900, 1, 1) + datetime.timedelta(days=days, milliseconds=round(ticks * 10 / 3))
        return moment.isoformat(sep=" ", timespec="milliseconds")
    if base == "datetime2":
        units, days = int.from_bytes(raw[:-3], "little"), int.from_bytes(raw[-3:], "little")
        moment = datetime.datetime(1, 1, 1) + datetime.timedelta(days=days, microseconds=units * 10 ** 6 // 10 ** info["scale"])
        return moment.isoformat(sep=" ")
    return raw.hex()


def rpcs(payload):
    """The calls of an RPC request, each with its parameters decoded."""
    r = Reader(payload)
    transaction = transaction_of(r)
    calls = []
    while r.left():
        n = r.u16()
        proc = RPC_NAMES.get(r.u16(), "proc#?") if n == 0xFFFF else r.take(2 * n).decode("utf-16-le")
        r.u16()  # option flags
        params = []
        while r.left() and r.data[r.pos] not in (0x80, 0xFF, 0xFE):
            name = r.b_varchar()
            r.u8()  # status
            declared, read_value = type_info(r)
            params.append({"name": name, "type": declared, "value": read_value()})
        if r.left():
            r.u8()  # batch separator
        calls.append({"kind": "rpc", "proc": proc, "params": params, "transaction": transaction})
    return calls


def transaction_request(payload):
    r = Reader(payload)
    transaction = transaction_of(r)
    request = TM_REQUESTS.get(r.u16(), "other")
    event = {"kind": "tm", "request": request, "transaction": transaction, "begin_new": False}
    if request in ("commit", "rollback"):
        r.take(r.u8())  # name
        event["begin_new"] = bool(r.left() and r.u8() & 1)
    return event


# ---- what goes back ----

def b_varchar(text):
    data = text.encode("utf-16-le")
    return bytes([len(data) // 2]) + data


def us_varchar(text):
    data = text.encode("utf-16-le")
    return struct.pack("<H", len(data) // 2) + data


def env_change(kind, new, old):
    body = bytes([kind]) + new + old
    return b"\xE3" + struct.pack("<H", len(body)) + body


def done(token, status=0, rowcount=0):
    return bytes([token]) + struct.pack("<HHQ", status, 0, rowcount)


DONE, DONEPROC, DONEINPROC = 0xFD, 0xFE, 0xFF
DONE_MORE, DONE_ERROR, DONE_COUNT, DONE_ATTN = 0x01, 0x02, 0x10, 0x20


def error_token(number, message):
    body = (struct.pack("<iBB", number, 1, 14) + us_varchar(message) + b_varchar("standin")
            + b_varchar("") + struct.pack("<i", 1))
    return b"\xAA" + struct.pack("<H", len(body)) + body


INTEGERS = {"tinyint": 1, "smallint": 2, "int": 4, "bigint": 8}
FIXED = {"bit": (0x68, 1), "real": (0x6D, 4), "float": (0x6D, 8), "money": (0x6E, 8), "smallmoney": (0x6E, 4),
         "datetime": (0x6F, 8), "smalldatetime": (0x6F, 4)}


def parsed_type(declared):
    """("decimal", [19, 4]) for "decimal(19,4)"; "max" stays text."""
    base, _, args = declared.partition("(")
    return base.strip(), [a.strip() if a.strip() == "max" else int(a) for a in args.rstrip(")").split(",") if a.strip()]


def decimal_bytes(precision):
    return 5 if precision <= 9 else 9 if precision <= 19 else 13 if precision <= 28 else 17


def time_bytes(scale):
    return 3 if scale <= 2 else 4 if scale <= 4 else 5


def column_type(declared):
    base, args = parsed_type(declared)
    if base == "nvarchar":
        return b"\xE7" + struct.pack("<H", 0xFFFF if args[0] == "max" else 2 * args[0]) + CP1252_COLLATION
    if base == "varchar":
        return b"\xA7" + struct.pack("<H", args[0]) + CP1252_COLLATION
    if base in INTEGERS:
        return b"\x26" + bytes([INTEGERS[base]])
    if base in FIXED:
        return bytes(FIXED[base])
    if base in ("decimal", "numeric"):
        precision, scale = (args + [18, 0][len(args):])[:2]
        return bytes([0x6A if base == "decimal" else 0x6C, decimal_bytes(precision), precision, scale])
    if base == "datetime2":
        return b"\x2A" + bytes([args[0] if args else 7])
    raise ValueError("column type %s is not served here" % declared)


EXACT = decimal.Context(prec=80)  # beyond any column's 38 digits: no rounding


def moment(value):
    return datetime.datetime.fromisoformat(value)


def column_value(declared, value):
    base, args = parsed_type(declared)
    if args == ["max"]:
        if value is None:
            return b"\xFF" * 8
        data = value.encode("utf-16-le")
        return struct.pack("<QI", len(data), len(data)) + data + struct.pack("<I", 0)
    if base in ("nvarchar", "varchar"):
        if value is None:
            return b"\xFF\xFF"
        data = value.encode("utf-16-le" if base == "nvarchar" else "cp1252")
        return struct.pack("<H", len(data)) + data
    if value is None:
        return b"\x00"
    if base in INTEGERS:
        size = INTEGERS[base]
        return bytes([size]) + int(value).to_bytes(size, "little", signed=base != "tinyint")
    if base == "bit":
        return b"\x01" + bytes([1 if value else 0])
    if base in ("real", "float"):
        return (b"\x04" + struct.pack("<f", float(value))) if base == "real" else (b"\x08" + struct.pack("<d", float(value)))
    if base in ("money", "smallmoney"):
        units = int(EXACT.to_integral_exact(EXACT.scaleb(decimal.Decimal(str(value)), 4)))
        if base == "smallmoney":
            return b"\x04" + struct.pack("<i", units)
        return b"\x08" + struct.pack("<iI", units >> 32, units & 0xFFFFFFFF)
    if base == "datetime":
        since = moment(value) - datetime.datetime(1900, 1, 1)
        ticks = round((since.seconds * 1000 + since.microseconds / 1000) * 3 / 10)  # 1/300 s
        return b"\x08" + struct.pack("<iI", since.days, ticks)
    if base == "smalldatetime":
        since = moment(value) - datetime.datetime(1900, 1, 1)
        return b"\x04" + struct.pack("<HH", since.days, since.seconds // 60)
    if base in ("decimal", "numeric"):
        precision, scale = (args + [18, 0][len(args):])[:2]
        units = int(EXACT.to_integral_exact(EXACT.scaleb(decimal.Decimal(str(value)), scale)))
        size = decimal_bytes(precision)
        return bytes([size, 0 if units < 0 else 1]) + abs(units).to_bytes(size - 1, "little")
    if base == "datetime2":
        scale = args[0] if args else 7
        since = moment(value) - datetime.datetime(1, 1, 1)
        units = (since.seconds * 10 ** 6 + since.microseconds) * 10 ** scale // 10 ** 6
        size = time_bytes(scale)
        return bytes([size + 3]) + units.to_bytes(size, "little") + since.days.to_bytes(3, "little")
    raise ValueError("column type %s is not served here" % declared)


def result_set(columns, rows):
    out = b"\x81" + struct.pack("<H", len(columns))
    for name, declared in columns:
        out += struct.pack("<IH", 0, 0x0001) + column_type(declared) + b_varchar(name)
    for row in rows:
        out += b"\xD1" + b"".join(column_value(declared, v) for (_, declared), v in zip(columns, row))
    return out


def first_words(statement, n):
    return " ".join(statement.split()[:n]).upper()


def is_write(statement):
    return first_words(statement, 1) in ("INSERT", "UPDATE", "DELETE")


REFUSED = re.compile(r"^\s*(SAVEPOINT|RELEASE|ROLLBACK\s+TO)\b", re.IGNORECASE)
SAVE = re.compile(r"^\s*SAVE\s+TRAN(?:SACTION)?\s+(\w+)\s*$", re.IGNORECASE)
ROLLBACK = re.compile(r"^\s*ROLLBACK(?:\s+TRAN(?:SACTION)?)?(?:\s+(\w+))?\s*$", re.IGNORECASE)
COMMIT = re.compile(r"^\s*COMMIT(?:\s+TRAN(?:SACTION)?)?\s*$", re.IGNORECASE)
BEGIN = re.compile(r"^\s*BEGIN\s+TRAN(?:SACTION)?\s*$", re.IGNORECASE)

SESSIONS = itertools.count(1)
TRANSACTIONS = itertools.count(1)


class Silence(Exception):
    """The session answers nothing more."""


class Session:
    def __init__(self, conn, log, replies):
        self.conn = conn
        self.log = log
        self.replies = replies
        self.number = next(SESSIONS)
        self.transaction = None
        self.depth = 0         # @@TRANCOUNT: each BEGIN TRANSACTION nests, only the outermost COMMIT commits
        self.pending = []      # the open transaction's writes
        self.savepoints = {}   # name: how many of them came before it
        self.silent = None     # "statement" until an attention comes; "server" for good

    def write(self, event):
        self.log.write(dict(event, session=self.number))

    def send(self, payload, kind=TABULAR_RESULT):
        size = 4096 - 8
        chunks = [payload[i:i + size] for i in range(0, len(payload), size)] or [b""]
        for i, chunk in enumerate(chunks):
            last = i == len(chunks) - 1
            self.conn.sendall(struct.pack(">BBHHBB", kind, 1 if last else 0, len(chunk) + 8, 0, i + 1, 0) + chunk)

    # ---- the transaction, as the server keeps it ----

    def begin(self):
        self.transaction = struct.pack("<Q", 0x5A00 + next(TRANSACTIONS))
        self.depth = 1
        self.pending, self.savepoints = [], {}
        return env_change(8, b"\x08" + self.transaction, b"\x00")

    def end(self, commit):
        """The ENVCHANGE that ends the open transaction, or None when none is open."""
        if self.transaction is None:
            return None
        if commit:
            with self.log.lock:
                self.log.committed.extend(self.pending)
        out = env_change(9 if commit else 10, b"\x00", b"\x08" + self.transaction)
        self.transaction, self.depth, self.pending, self.savepoints = None, 0, [], {}
        return out

    def wrote(self, statement, values):
        if self.transaction is not None:
            self.pending.append((statement, values))
        else:
            with self.log.lock:
                self.log.committed.append((statement, values))

    def committed(self):
        with self.log.lock:
            rows = [[sql, json.dumps(values, ensure_ascii=False)] for sql, values in self.log.committed]
        return result_set([["Escrita", "nvarchar(max)"], ["Valores", "nvarchar(max)"]], rows), DONE_COUNT, len(rows)

    def control(self, statement):
        """A statement about the transaction, answered as SQL Server does; None for any other."""
        if REFUSED.match(statement):
            word = statement.split()[0]
            return error_token(102, "Incorrect syntax near '%s'." % word), DONE_ERROR, 0
        if BEGIN.match(statement):
            if self.transaction is None:
                return self.begin(), 0, 0
            self.depth += 1
            return b"", 0, 0
        if COMMIT.match(statement):
            if self.depth > 1:
                self.depth -= 1
                return b"", 0, 0
            ended = self.end(True)
            if ended is None:
                return error_token(3902, "The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION."), DONE_ERROR, 0
            return ended, 0, 0
        save = SAVE.match(statement)
        if save:
            if self.transaction is None:
                return error_token(628, "Cannot issue SAVE TRANSACTION when there is no active transaction."), DONE_ERROR, 0
            self.savepoints[save.group(1).lower()] = len(self.pending)
            return b"", 0, 0
        rollback = ROLLBACK.match(statement)
        if rollback:
            name = (rollback.group(1) or "").lower()
            if name in ("", "tran", "transaction"):
                ended = self.end(False)
                if ended is None:
                    return error_token(3903, "The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION."), DONE_ERROR, 0
                return ended, 0, 0
            if name not in self.savepoints:
                return (error_token(6401, "Cannot roll back %s. No transaction or savepoint of that name was found." % name),
                        DONE_ERROR, 0)
            del self.pending[self.savepoints[name]:]
            return b"", 0, 0
        return None

    # ---- answers ----

    def answer(self, statement, values):
        """One statement's tokens before its "done", and that token's status and row count."""
        reply = self.reply_for("\n".join([statement] + [v for v in values if isinstance(v, str)]))
        control = self.control(statement)  # a transaction's statement: only silence overrides the server's answer
        if control is not None:
            return control
        if "standin_committed" in statement.lower():
            return self.committed()
        if reply is not None:
            if "error" in reply:
                return error_token(reply["error"]["number"], reply["error"]["message"]), DONE_ERROR, 0
            if "columns" in reply:
                return result_set(reply["columns"], reply["rows"]), DONE_COUNT, len(reply["rows"])
            # a list: the counts of a trigger's statements first, the statement's own last
            counts = reply["rowcount"] if isinstance(reply["rowcount"], list) else [reply["rowcount"]]
            inner = b"".join(done(DONEINPROC, DONE_COUNT | DONE_MORE, n) for n in counts[:-1])
            if counts[-1] > 0 and is_write(statement):
                self.wrote(statement, values)
            return inner, DONE_COUNT, counts[-1]
        if is_write(statement):
            self.wrote(statement, values)
            return b"", DONE_COUNT, 1
        return b"", 0, 0

    def reply_for(self, target):
        """The first reply that matches; a silent one silences the session instead."""
        for reply in self.replies:
            if "match" in reply and reply["match"].lower() in target.lower():
                if "silent" in reply:
                    self.silent = reply["silent"]
                    raise Silence()
                return reply
        return None

    def silence_for(self, kind):
        """True when a request of this kind is to go unanswered."""
        for reply in self.replies:
            if "match" not in reply and (reply.get("silent") == "connection"
                                         or (reply.get("silent") == "login" and kind != PRELOGIN)):
                return True
        return self.silent is not None

    def serve(self):
        while True:
            kind, payload = read_message(self.conn)
            if kind is None:
                self.write({"kind": "closed"})
                return
            if self.silent == "statement" and kind == ATTENTION:  # the statement is given up
                self.silent = None
            if self.silence_for(kind):
                self.write({"kind": "unanswered", "packet": kind})
                continue
            try:
                self.serve_one(kind, payload)
            except Silence:
                pass

    def serve_one(self, kind, payload):
        if kind == PRELOGIN:
            self.write({"kind": "prelogin"})
            self.send(self.prelogin_reply())
        elif kind == LOGIN7:
            event = login7(payload)
            self.write(dict(event, tds_version="%08X" % event["tds_version"]))
            self.send(self.login_reply(event))
        elif kind == SQL_BATCH:
            r = Reader(payload)
            transaction = transaction_of(r)
            sql = r.take(r.left()).decode("utf-16-le")
            self.write({"kind": "batch", "sql": sql, "transaction": transaction})
            tokens, status, rowcount = self.answer(sql, [])
            self.send(tokens + done(DONE, status, rowcount))
        elif kind == RPC:
            reply = b""
            for call in rpcs(payload):
                self.write(call)
                reply += self.rpc_reply(call)
            self.send(reply)
        elif kind == TRANSACTION_MANAGER:
            event = transaction_request(payload)
            self.write(event)
            self.reply_for("transaction " + event["request"])  # only silence is served here
            self.send(self.transaction_reply(event))
        elif kind == ATTENTION:
            self.write({"kind": "attention"})
            self.send(done(DONE, DONE_ATTN))
        else:
            raise ValueError("packet type 0x%02X is not served here" % kind)

    def rpc_reply(self, call):
        values = [p["value"] for p in call["params"]]
        if call["proc"] == "sp_executesql":
            tokens, status, rowcount = self.answer(values[0], values[2:])
        elif call["proc"].startswith("sp_cursor"):
            tokens, status, rowcount = error_token(16945, "The stand-in serves no cursors."), DONE_ERROR, 0
        else:
            tokens, status, rowcount = self.answer("exec " + call["proc"] + " " + ", ".join(map(str, values)), [])
        return (tokens + done(DONEINPROC, status | DONE_MORE, rowcount)
                + b"\x79" + struct.pack("<i", 0) + done(DONEPROC, status & DONE_ERROR))

    def transaction_reply(self, event):
        out = b""
        if event["request"] in ("commit", "rollback"):
            ended = self.end(event["request"] == "commit")
            if ended is None:
                number = 3902 if event["request"] == "commit" else 3903
                return (error_token(number, "The %s TRANSACTION request has no corresponding BEGIN TRANSACTION."
                                    % event["request"].upper()) + done(DONE, DONE_ERROR))
            out += ended
        if event["request"] == "begin" or event["begin_new"]:
            out += self.begin()
        return out + done(DONE)

    @staticmethod
    def prelogin_reply():
        options = [(0x00, bytes([16, 0, 0x07, 0xD0, 0, 0])),  # version 16.0.2000
                   (0x01, b"\x02"),                           # encryption: not supported
                   (0x02, b"\x00"),
                   (0x03, b""),
                   (0x04, b"\x00")]
        offset = 5 * len(options) + 1
        head, data = b"", b""
        for token, value in options:
            head += struct.pack(">BHH", token, offset + len(data), len(value))
            data += value
        return head + b"\xFF" + data

    @staticmethod
    def login_reply(event):
        version = event["tds_version"]
        if version > 0x74000004:
            version = 0x74000004
        ack = b"\x01" + struct.pack(">I", version) + b_varchar("Microsoft SQL Server") + bytes([16, 0, 0x07, 0xD0])
        return (env_change(1, b_varchar(event["database"] or "master"), b_varchar("master"))
                + env_change(7, bytes([5]) + CP1252_COLLATION, b"\x00")
                + env_change(2, b_varchar("us_english"), b_varchar(""))
                + b"\xAD" + struct.pack("<H", len(ack)) + ack
                + env_change(4, b_varchar("4096"), b_varchar("4096"))
                + done(DONE))


def serve_client(conn, log, replies):
    conn.settimeout(IDLE_SECONDS)
    session = Session(conn, log, replies)
    try:
        session.serve()
    except socket.timeout:
        session.write({"kind": "idle"})
    except Exception as e:  # the client sees its connection closed, and the log says why
        session.write({"kind": "failure", "what": repr(e)})
    finally:
        conn.close()


def main():
    log = Log(sys.argv[1])
    with open(sys.argv[2], encoding="utf-8") as f:
        replies = json.load(f)
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.bind(("127.0.0.1", 0))
    listener.listen()
    print(listener.getsockname()[1], flush=True)

    def accept():
        while True:
            conn, _ = listener.accept()
            threading.Thread(target=serve_client, args=(conn, log, replies), daemon=True).start()

    threading.Thread(target=accept, daemon=True).start()
    watchdog = threading.Timer(LIFETIME_SECONDS, os._exit, [1])
    watchdog.daemon = True
    watchdog.start()
    sys.stdin.read()  # the test closes it, or ends, when it is done


if __name__ == "__main__":
    main()
