# The Long Journeys of Migrating Birds

Which of these does the text mention in its opening paragraph?
- a godwit flying a week without a stop
+ seabirds looping across whole oceans
- storks riding warm rising air
- caged birds growing restless before departure

Which of these topics does the text take up first?
- why birds leave the far north
- how far some species travel
+ how people learned where birds go
- how birds find their way

Which advantages of the far north in summer does the text list?
- long days, plenty of insects and few predators
+ long days, plenty of insects and few competitors
- mild nights, plenty of seeds and few competitors
- long days, plenty of seeds and few predators

What was lodged in the neck of the stork shot in 1822?
+ a wooden spear
- a wooden arrow
- an iron arrowhead
- a hunter's dart

How many kinds of bird does the text name as flying in V formations?
- three
- one
- four
+ two

Which guide for navigating birds does the text NOT name?
+ rivers
- coastlines
- mountain ranges
- smells

What does the text take up right after the distances some birds fly?
- how birds find their way
- how young birds learn their routes
+ when in the day different birds fly
- why birds store fat before leaving

The text ends by saying a bird is only as safe as what?
- the weakest leg of its long flight
- the weakest bird in its flock
- the weakest sense it steers by
+ the weakest stop on its long road
