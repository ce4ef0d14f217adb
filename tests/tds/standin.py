#!/usr/bin/env python3
"""A stand-in for a SQL Server, for the tests only: it is not a database.

It listens on 127.0.0.1 (a port of the system's choosing, printed as the first
line of its output), speaks enough TDS 7.2 to 7.4 for a driver to log in, and
answers every request: a statement that one of the canned replies matches gets
that reply (a result set, an error or a row count); any other gets "done", with
one row counted for an INSERT, UPDATE or DELETE. Everything that arrives is
written to the log, decoded, one JSON object a line.

    standin.py LOG REPLIES

REPLIES is a JSON list of {"match": text, ...} taken in order: the first whose
text is found (ignoring case) in a request's statement and parameter values
answers it, with "columns" ([name, type] where type is "nvarchar(n)",
"nvarchar(max)", "varchar(n)" in code page 1252, "int" or "smallint") and
"rows", or "error" ({"number", "message"}), or "rowcount" (a number, or a list
whose last number is the statement's and the others its trigger's). The
process ends when its input closes.
"""

import datetime
import json
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


def column_type(declared):
    base, _, size = declared.partition("(")
    size = size.rstrip(")")
    size = 0xFFFF if size == "max" else int(size or 0)
    if base == "nvarchar":
        return b"\xE7" + struct.pack("<H", min(2 * size, 0xFFFF)) + CP1252_COLLATION
    if base == "varchar":
        return b"\xA7" + struct.pack("<H", size) + CP1252_COLLATION
    return b"\x26" + bytes([{"int": 4, "smallint": 2}[base]])


def column_value(declared, value):
    base = declared.split("(")[0]
    if declared.endswith("(max)"):
        if value is None:
            return b"\xFF" * 8
        data = value.encode("utf-16-le")
        return struct.pack("<QI", len(data), len(data)) + data + struct.pack("<I", 0)
    if base in ("nvarchar", "varchar"):
        if value is None:
            return b"\xFF\xFF"
        data = value.encode("utf-16-le" if base == "nvarchar" else "cp1252")
        return struct.pack("<H", len(data)) + data
    size = {"int": 4, "smallint": 2}[base]
    return b"\x00" if value is None else bytes([size]) + value.to_bytes(size, "little", signed=True)


def result_set(columns, rows):
    out = b"\x81" + struct.pack("<H", len(columns))
    for name, declared in columns:
        out += struct.pack("<IH", 0, 0x0001) + column_type(declared) + b_varchar(name)
    for row in rows:
        out += b"\xD1" + b"".join(column_value(declared, v) for (_, declared), v in zip(columns, row))
    return out


def is_write(statement):
    return statement.lstrip().split(" ", 1)[0].upper() in ("INSERT", "UPDATE", "DELETE")


class Session:
    def __init__(self, conn, log, replies):
        self.conn = conn
        self.log = log
        self.replies = replies
        self.transaction = None
        self.transactions = 0

    def send(self, payload, kind=TABULAR_RESULT):
        size = 4096 - 8
        chunks = [payload[i:i + size] for i in range(0, len(payload), size)] or [b""]
        for i, chunk in enumerate(chunks):
            last = i == len(chunks) - 1
            self.conn.sendall(struct.pack(">BBHHBB", kind, 1 if last else 0, len(chunk) + 8, 0, i + 1, 0) + chunk)

    def answer(self, statement, values):
        """One statement's tokens before its "done", and that token's status and row count."""
        target = "\n".join([statement] + [v for v in values if isinstance(v, str)]).lower()
        for reply in self.replies:
            if reply["match"].lower() in target:
                if "error" in reply:
                    return error_token(reply["error"]["number"], reply["error"]["message"]), DONE_ERROR, 0
                if "columns" in reply:
                    return result_set(reply["columns"], reply["rows"]), DONE_COUNT, len(reply["rows"])
                # a list: the counts of a trigger's statements first, the statement's own last
                counts = reply["rowcount"] if isinstance(reply["rowcount"], list) else [reply["rowcount"]]
                inner = b"".join(done(DONEINPROC, DONE_COUNT | DONE_MORE, n) for n in counts[:-1])
                return inner, DONE_COUNT, counts[-1]
        return (b"", DONE_COUNT, 1) if is_write(statement) else (b"", 0, 0)

    def serve(self):
        while True:
            kind, payload = read_message(self.conn)
            if kind is None:
                return
            if kind == PRELOGIN:
                self.log.write({"kind": "prelogin"})
                self.send(self.prelogin_reply())
            elif kind == LOGIN7:
                event = login7(payload)
                self.log.write(dict(event, tds_version="%08X" % event["tds_version"]))
                self.send(self.login_reply(event))
            elif kind == SQL_BATCH:
                r = Reader(payload)
                transaction = transaction_of(r)
                sql = r.take(r.left()).decode("utf-16-le")
                self.log.write({"kind": "batch", "sql": sql, "transaction": transaction})
                tokens, status, rowcount = self.answer(sql, [])
                self.send(tokens + done(DONE, status, rowcount))
            elif kind == RPC:
                reply = b""
                for call in rpcs(payload):
                    self.log.write(call)
                    reply += self.rpc_reply(call)
                self.send(reply)
            elif kind == TRANSACTION_MANAGER:
                event = transaction_request(payload)
                self.log.write(event)
                self.send(self.transaction_reply(event))
            elif kind == ATTENTION:
                self.log.write({"kind": "attention"})
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
        if event["request"] in ("commit", "rollback") and self.transaction:
            out += env_change(9 if event["request"] == "commit" else 10, b"\x00", b"\x08" + self.transaction)
            self.transaction = None
        if event["request"] == "begin" or event["begin_new"]:
            self.transactions += 1
            self.transaction = struct.pack("<Q", 0x5A00 + self.transactions)
            out += env_change(8, b"\x08" + self.transaction, b"\x00")
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
    try:
        Session(conn, log, replies).serve()
    except Exception as e:  # the client sees its connection closed, and the log says why
        log.write({"kind": "failure", "what": repr(e)})
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
