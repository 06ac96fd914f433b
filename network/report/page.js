"use strict";
// The report page: every view is drawn from the network embedded in the page, chosen by the
// address fragment (#line=, #station=, #from=..&to=..), so that each can be bookmarked.
(function () {
  const net = JSON.parse(document.getElementById("network").textContent);
  const stations = net.stations;
  const stationNumber = new Map(stations.map((name, i) => [name, i]));

  // One trip per direction of each line, as velorin-cli numbers them.
  const trips = [];
  net.lines.forEach((line, route) => {
    [[line.up, false], [line.down, true]].forEach(([list, down]) => {
      if (list.length) {
        trips.push({ route, down, lineKey: line.rank * 2 + (down ? 1 : 0), rank: line.rank, stations: list });
      }
    });
  });
  const visits = stations.map(() => []);
  trips.forEach((trip, t) => trip.stations.forEach((s, p) => visits[s].push({ trip: t, position: p })));

  const el = (tag, attrs, ...children) => {
    const node = document.createElement(tag);
    Object.entries(attrs || {}).forEach(([k, v]) => node.setAttribute(k, v));
    children.forEach((c) => node.append(c));
    return node;
  };
  const link = (hash, text) => el("a", { href: "#" + hash }, text);
  const stationLink = (s) => link("station=" + encodeURIComponent(stations[s]), stations[s]);
  const lineOf = (trip) => net.lines[trip.route];
  const lineLink = (line) => link("line=" + encodeURIComponent(line.name), line.name);
  const directionName = (trip) => (trip.down ? "下行" : "上行");

  // Width and spaces folded away, as the command line folds a mistyped name.
  const fold = (name) => name.replace(/[ \t\u3000]/g, "")
    .replace(/[\uFF01-\uFF5E]/g, (c) => String.fromCharCode(c.charCodeAt(0) - 0xFF01 + 0x21));
  function candidates(name) {
    const wanted = fold(name);
    if (!wanted) return [];
    const alike = [], containing = [];
    stations.forEach((s) => {
      const f = fold(s);
      if (f === wanted) alike.push(s);
      else if (f.includes(wanted)) containing.push(s);
    });
    return alike.concat(containing).slice(0, 5);
  }

  // Journeys by the rules of velorin-cli query (network/JourneySearch.h): at most three legs,
  // no trip twice, no leg through a station where the journey starts, changes or ends;
  // ordered by legs, stops, line names, directions, stations; one per line sequence; five.
  function keepFewest(rides, ride) {
    const same = rides.find((r) => r.trip === ride.trip);
    if (!same) rides.push(ride);
    else if (ride.alight - ride.board < same.alight - same.board) Object.assign(same, ride);
  }
  function reachFrom(from, to) {
    const reach = stations.map(() => []);
    visits[from].forEach((v) => {
      const list = trips[v.trip].stations;
      for (let p = v.position + 1; p < list.length; p++) {
        if (list[p] === from || list[p] === to) break;
        keepFewest(reach[list[p]], { trip: v.trip, board: v.position, alight: p });
      }
    });
    return reach;
  }
  function reachTo(from, to) {
    const reach = stations.map(() => []);
    visits[to].forEach((v) => {
      const list = trips[v.trip].stations;
      for (let p = v.position - 1; p >= 0; p--) {
        if (list[p] === from || list[p] === to) break;
        keepFewest(reach[list[p]], { trip: v.trip, board: p, alight: v.position });
      }
    });
    return reach;
  }
  const passes = (ride, s) => trips[ride.trip].stations.slice(ride.board + 1, ride.alight).includes(s);
  function orderKey(journey) {
    const key = [journey.legs.length, journey.legs.reduce((n, l) => n + l.stops, 0)];
    journey.legs.forEach((l) => key.push(trips[l.trip].rank, trips[l.trip].down ? 1 : 0));
    journey.legs.forEach((l) => key.push(l.board, l.alight));
    return key;
  }
  function before(a, b) {
    const ka = orderKey(a), kb = orderKey(b);
    for (let i = 0; i < Math.min(ka.length, kb.length); i++) {
      if (ka[i] !== kb[i]) return ka[i] < kb[i];
    }
    return ka.length < kb.length;
  }
  function findJourneys(from, to, limit) {
    const best = new Map();
    const offer = (legs) => {
      const journey = { legs };
      const key = legs.map((l) => trips[l.trip].lineKey).join(",");
      const kept = best.get(key);
      if (!kept || before(journey, kept)) best.set(key, journey);
    };
    const leg = (ride, board, alight) => ({ trip: ride.trip, board, alight, stops: ride.alight - ride.board });
    if (from === to) return [];
    visits[from].forEach((v) => {
      const list = trips[v.trip].stations;
      for (let p = v.position + 1; p < list.length; p++) {
        if (list[p] === from) break;
        if (list[p] === to) {
          offer([{ trip: v.trip, board: from, alight: to, stops: p - v.position }]);
          break;
        }
      }
    });
    if (best.size < limit) {
      const out = reachFrom(from, to), into = reachTo(from, to);
      out.forEach((firsts, x) => firsts.forEach((a) => into[x].forEach((b) => {
        if (a.trip !== b.trip) offer([leg(a, from, x), leg(b, x, to)]);
      })));
      if (best.size < limit) {
        out.forEach((firsts, x) => {
          if (!firsts.length) return;
          visits[x].forEach((v) => {
            const list = trips[v.trip].stations;
            for (let p = v.position + 1; p < list.length; p++) {
              const y = list[p];
              if (y === from || y === to || y === x) break;
              const middle = { trip: v.trip, board: v.position, alight: p };
              firsts.forEach((a) => into[y].forEach((b) => {
                if (a.trip !== v.trip && b.trip !== v.trip && a.trip !== b.trip &&
                    !passes(a, y) && !passes(b, x)) {
                  offer([leg(a, from, x), leg(middle, x, y), leg(b, y, to)]);
                }
              }));
            }
          });
        });
      }
    }
    return [...best.values()].sort((a, b) => (before(a, b) ? -1 : before(b, a) ? 1 : 0)).slice(0, limit);
  }

  // What stops at a station: each line and direction with its neighbours, as velorin-cli station.
  function stationCalls(s) {
    return visits[s].slice().sort((a, b) => {
      const ta = trips[a.trip], tb = trips[b.trip];
      return ta.rank - tb.rank || ta.down - tb.down || a.trip - b.trip || a.position - b.position;
    }).map((v) => {
      const list = trips[v.trip].stations;
      return { trip: trips[v.trip], previous: v.position > 0 ? list[v.position - 1] : -1,
        next: v.position + 1 < list.length ? list[v.position + 1] : -1 };
    });
  }
  const linesAt = (s) => [...new Set(visits[s].map((v) => trips[v.trip].route))].map((r) => net.lines[r]);

  const views = ["summary", "lines", "line", "stations", "station", "plan"];
  function show(name) {
    views.forEach((v) => document.getElementById(v + "-view").classList.toggle("shown", v === name));
  }
  function fill(id, ...children) {
    const view = document.getElementById(id);
    view.replaceChildren(...children);
    return view;
  }

  function drawSummary() {
    const facts = el("table", { class: "facts" });
    [["城市", net.city], ["日期", net.date], ["作者", net.author], ["其他信息", net.memo],
      ["线路", String(net.lines.length)], ["车站", String(stations.length)], ["车次", String(trips.length)]]
      .forEach(([k, v]) => facts.append(el("tr", {}, el("td", {}, k), el("td", {}, v))));
    const notices = el("div", { id: "notices" });
    if (net.notices) {
      notices.append(el("h3", {}, "检查提示（" + net.notices.length + "）"));
      net.notices.forEach((n) => notices.append(el("p", { class: "notice" },
        el("span", { class: "severity" }, n.severity), n.place ? n.place + "：" : "", n.text)));
    }
    fill("summary-view", el("h1", {}, net.city || "线路网"), facts, notices);
  }
  function drawLines() {
    const list = el("ul", { class: "columns" });
    net.lines.forEach((line) => list.append(el("li", {}, lineLink(line), " ", line.type)));
    fill("lines-view", el("h2", {}, "线路（" + net.lines.length + "）"), list);
  }
  function strip(line, list) {
    const ul = el("ol", { class: "strip" });
    list.forEach((s) => {
      const others = el("span", { class: "others" });
      linesAt(s).filter((l) => l !== line).forEach((l, i) => others.append(i ? " " : "", lineLink(l)));
      ul.append(el("li", {}, stationLink(s), others));
    });
    return ul;
  }
  function drawLine(name) {
    const parts = [];
    net.lines.filter((l) => l.name === name).forEach((line) => {
      parts.push(el("h2", {}, line.name), el("p", {}, [line.type, line.extra].filter(Boolean).join("，")));
      [[line.up, "上行", line.upFirst, line.upLast], [line.down, "下行", line.downFirst, line.downLast]]
        .forEach(([list, title, first, last]) => {
          if (!list.length) return;
          const times = [first && "首班 " + first, last && "末班 " + last].filter(Boolean).join("，");
          parts.push(el("h3", {}, title + "：" + stations[list[0]] + " → " + stations[list[list.length - 1]] +
            (times ? "（" + times + "）" : "")), strip(line, list));
        });
    });
    if (!parts.length) parts.push(el("p", {}, "没有线路“" + name + "”。"));
    fill("line-view", ...parts);
  }
  function drawStationIndex() {
    const list = document.getElementById("station-list");
    list.replaceChildren(...stations.map((_, s) => el("li", {}, stationLink(s))));
    document.getElementById("station-names").replaceChildren(...stations.map((s) => el("option", { value: s })));
    document.getElementById("station-search").addEventListener("input", (e) => {
      const wanted = fold(e.target.value);
      [...list.children].forEach((li, s) => { li.hidden = wanted !== "" && !fold(stations[s]).includes(wanted); });
    });
  }
  function unknown(name) {
    const found = candidates(name);
    const p = el("p", { class: "unknown" }, "找不到车站“" + name + "”。");
    if (found.length) {
      p.append("你要找的是不是：");
      found.forEach((c, i) => p.append(i ? "、" : "", stationLink(stationNumber.get(c))));
    }
    return p;
  }
  function drawStation(name) {
    const s = stationNumber.get(name);
    if (s === undefined) return fill("station-view", el("h2", {}, name), unknown(name));
    const list = el("ul", {});
    stationCalls(s).forEach((call) => {
      const line = lineOf(call.trip);
      const first = call.trip.down ? line.downFirst : line.upFirst;
      const last = call.trip.down ? line.downLast : line.upLast;
      list.append(el("li", {}, lineLink(line), " " + directionName(call.trip) + "：",
        call.previous < 0 ? "（起点）" : stationLink(call.previous), " → 本站 → ",
        call.next < 0 ? "（终点）" : stationLink(call.next),
        [line.type, first && "首班 " + first, last && "末班 " + last].filter(Boolean).map((t) => "，" + t).join("")));
    });
    fill("station-view", el("h2", {}, name), el("p", {}, stationCalls(s).length + " 条线路方向经过"), list,
      el("p", {}, link("from=" + encodeURIComponent(name) + "&to=", "从这里出发")));
  }
  function drawPlan(from, to) {
    document.getElementById("plan-from").value = from;
    document.getElementById("plan-to").value = to;
    const box = document.getElementById("journeys");
    box.replaceChildren();
    if (!from || !to) return;
    const a = stationNumber.get(from), b = stationNumber.get(to);
    if (a === undefined || b === undefined) {
      if (a === undefined) box.append(unknown(from));
      if (b === undefined) box.append(unknown(to));
      return;
    }
    const journeys = findJourneys(a, b, 5);
    box.setAttribute("data-count", journeys.length);
    if (!journeys.length) {
      box.append(el("p", {}, "从 " + from + " 到 " + to + " 没有两次换乘以内的方案。"));
      return;
    }
    journeys.forEach((journey, i) => {
      const stops = journey.legs.reduce((n, l) => n + l.stops, 0);
      const changes = journey.legs.length - 1;
      const legs = el("ol", {});
      journey.legs.forEach((l) => {
        const trip = trips[l.trip];
        legs.append(el("li", { class: "leg", "data-line": lineOf(trip).name, "data-direction": trip.down ? "down" : "up",
          "data-board": stations[l.board], "data-alight": stations[l.alight], "data-stops": l.stops },
          lineLink(lineOf(trip)), " " + directionName(trip) + "：", stationLink(l.board), " 上车，",
          stationLink(l.alight), " 下车，" + l.stops + " 站"));
      });
      box.append(el("div", { class: "journey" }, el("strong", {}, "方案 " + (i + 1) + "：" +
        (changes ? "换乘 " + changes + " 次" : "直达") + "，共 " + stops + " 站"), legs));
    });
  }

  function route() {
    const hash = location.hash.replace(/^#/, "");
    const params = {};
    hash.split("&").forEach((part) => {
      const at = part.indexOf("=");
      if (at > 0) params[part.slice(0, at)] = decodeURIComponent(part.slice(at + 1));
    });
    if ("line" in params) { drawLine(params.line); show("line"); }
    else if ("station" in params) { drawStation(params.station); show("station"); }
    else if ("from" in params || "to" in params) { drawPlan(params.from || "", params.to || ""); show("plan"); }
    else if (hash === "lines") show("lines");
    else if (hash === "stations") show("stations");
    else if (hash === "plan") { drawPlan("", ""); show("plan"); }
    else show("summary");
    window.scrollTo(0, 0);
  }

  document.getElementById("plan-form").addEventListener("submit", (e) => {
    e.preventDefault();
    location.hash = "from=" + encodeURIComponent(document.getElementById("plan-from").value.trim()) +
      "&to=" + encodeURIComponent(document.getElementById("plan-to").value.trim());
  });
  document.title = (net.city || "线路网") + " - velorin";
  drawSummary();
  drawLines();
  drawStationIndex();
  window.addEventListener("hashchange", route);
  route();
})();
