# Loop benchmark: count to 100000, building and measuring a text each time.
proc main {} {
    set i 0
    set last 0
    while {$i < 100000} {
        incr i
        set s "item $i"
        set n [string length $s]
        if {$n < 10} {
            set last $i
        }
    }
    puts "$last $i"
}

main
